// The process runner of the command-line tool tests.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonParseError>
#include <QProcess>

QJsonObject CliResult::Json() const
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << out.toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

CliResult RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVIA_CLI_PATH), arguments);
    CliResult result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "quorvia-cli did not finish normally: " << process.errorString().toStdString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString Fixture(const QString& relativePath)
{
    return QStringLiteral(QUORVIA_TEST_DATA "/") + relativePath;
}
