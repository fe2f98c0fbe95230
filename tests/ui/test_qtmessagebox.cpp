// Tests of the application's message box: while it waits for the operator the cursor is the normal one, also when
// it is shown during a long operation under the hourglass.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "ui/qtmessagebox.h"
#include "ui/waitcursor.h"

class TestQtMessageBox : public QObject {
    Q_OBJECT

private slots:
    void boxWaitsUnderTheNormalCursor()
    {
        WaitCursor busy;
        Qt::CursorShape shown = Qt::WaitCursor;
        bool seen = false;
        QTimer poller;
        poller.setInterval(10);
        connect(&poller, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            shown = QApplication::overrideCursor()->shape();
            box->accept();
        });
        poller.start();
        QtMessageBox("AVVISO di prova", "AVVISO", 8240);
        poller.stop();
        QVERIFY(seen);
        QCOMPARE(shown, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
};

QTEST_MAIN(TestQtMessageBox)
#include "test_qtmessagebox.moc"
