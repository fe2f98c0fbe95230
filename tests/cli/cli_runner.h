// Runs the built quorvia-cli as a separate process and collects its exit status, output and messages, with the
// paths of the fixtures and a temporary folder for the files the tool writes.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct CliResult {
    int exitCode = -1;
    QByteArray out;  // stdout
    QByteArray err;  // stderr: the message boxes and usage errors
    // stdout read as one JSON object; a test failure when it is not one.
    QJsonObject Json() const;
};

CliResult RunCli(const QStringList& arguments);

// A fixture under tests/data, e.g. Fixture("dis/sample_v1.dis").
QString Fixture(const QString& relativePath);

// A temporary folder, removed with the object, for the tool's output files.
class CliOutputFolder {
public:
    QString File(const QString& name) const { return folder.filePath(name); }

private:
    QTemporaryDir folder;
};
