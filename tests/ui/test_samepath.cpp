// Tests of SamePath: spellings of one file through "." and "..", a symbolic link and a missing tail compare
// equal; another file, another letter case and a link to another file do not.
#include <QTest>

#include <filesystem>

#include "common/temp_prog_dir.h"
#include "ui/samepath.h"

class TestSamePath : public QObject {
    Q_OBJECT

private slots:
    void comparesTheFilesNamed()
    {
        TempProgDir dir;
        const std::string a = dir.WriteFile("draw/a.dis", "a");
        dir.WriteFile("draw/b.dis", "b");
        std::filesystem::create_symlink(dir.File("draw"), dir.File("link"));
        std::filesystem::create_symlink(dir.File("draw/b.dis"), dir.File("b-link.dis"));
        struct Case {
            const char* other;
            bool same;
        } const cases[] = {
            {"draw/./a.dis", true},
            {"draw/../draw/a.dis", true},
            {"link/a.dis", true},   // a linked folder leads to the same file
            {"b-link.dis", false},  // a link to another file
            {"draw/b.dis", false},
            {"draw/A.dis", false},            // letter case names another file
            {"draw/missing/../a.dis", true},  // the missing part is normalised as written
        };
        for (const Case& c : cases) {
            QVERIFY2(SamePath(a, dir.File(c.other)) == c.same, c.other);
            QVERIFY2(SamePath(dir.File(c.other), a) == c.same, c.other);
        }
        QVERIFY(SamePath("new/x.dis", "new/./x.dis"));
    }
};

QTEST_MAIN(TestSamePath)
#include "test_samepath.moc"
