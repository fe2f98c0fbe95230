// Tests of the program folder: which folder the program writes in, the first-start filling of the user's folder
// from the resources, and that every write of a read-only installation lands in the user's folder and is read back
// from there.
#include "app/desktop/programfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include "common/message_recorder.h"
#include "l10n/cambiolingua.h"
#include "l10n/messaggi.h"
#include "model/drawing_builders.h"
#include "model/drw.h"
#include "model/drw_file.h"
#include "support/filereadwritedata.h"
#include "support/progdir.h"

namespace {

void WriteText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The resources a program folder starts from: the active (Italian) message and help files and those of both
// languages, a sample with its drawing in the archive, an empty data folder and the assistance folder.
void WriteResources(const QString& folder)
{
    WriteText(folder + "/msg/cad.msg", "40=Importa &dxf\n");
    WriteText(folder + "/msg/ita/cad.ita", "40=Importa &dxf\n");
    WriteText(folder + "/msg/eng/cad.eng", "40=Import &dxf\n");
    WriteText(folder + "/help/help.pdf", "guida");
    WriteText(folder + "/help/ita/help_ita.pdf", "guida");
    WriteText(folder + "/help/eng/help_eng.pdf", "guide");
    WriteText(folder + "/samples/rosone.dxf", "0\nEOF\n");
    Drw sample;
    AddChainPath(sample, {{0, 0}, {10, 0}});
    QDir().mkpath(folder + "/draw");
    ASSERT_TRUE(sample.Save((folder + "/draw/rosone.dis").toStdString()));
    QDir().mkpath(folder + "/data");
    QDir().mkpath(folder + "/utl/service");
}

// Every file under folder (links followed) with its bytes.
QMap<QString, QByteArray> Contents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
    while (it.hasNext()) {
        const QString path = it.next();
        contents[QDir(folder).relativeFilePath(path)] = ReadText(path);
    }
    return contents;
}

// ProgDir as the test found it, back after the test.
class KeptProgDir {
public:
    ~KeptProgDir() { SetProgDir(saved); }

private:
    std::string saved = ProgDir;
};

class ProgramFolder : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString user = root.filePath("home/.local/share/quorvia");
    KeptProgDir keptProgDir;
    MessageRecorder recorder;

    ~ProgramFolder() override { DestroyMessageCatalogue(); }
};

}  // namespace

TEST_F(ProgramFolder, ChoosesWhereTheProgramWrites)
{
    const QString buildTree = root.filePath("build/bin"), installedBin = root.filePath("usr/bin");
    const QString installedShare = root.filePath("usr/share/quorvia"), bare = root.filePath("bare");
    WriteResources(buildTree);
    WriteResources(installedShare);
    QDir().mkpath(installedBin);
    QDir().mkpath(bare);
    ASSERT_EQ(QDir::cleanPath(installedBin + "/" + QUORVIA_SHARED_FROM_BIN), installedShare);
    struct Case {
        const char* what;
        QString executableFolder;
        bool writable;
        QString shared, writableFolder;
    };
    const Case cases[] = {
        {"build tree or portable copy", buildTree, true, buildTree, buildTree},
        {"read-only copy", buildTree, false, buildTree, user},
        {"installed, even where bin/ is writable", installedBin, true, installedShare, user},
        {"installed read only", installedBin, false, installedShare, user},
        {"no resources found", bare, true, bare, bare},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgramFolders folders =
            ChooseProgramFolders(c.executableFolder, user, [&c](const QString&) { return c.writable; });
        EXPECT_EQ(folders.shared, c.shared);
        EXPECT_EQ(folders.writable, c.writableFolder);
    }
}

TEST_F(ProgramFolder, AWritableFolderBesideTheExecutableIsUsedAsItIs)
{
    const QString bin = root.filePath("build/bin");
    WriteResources(bin);
    const QMap<QString, QByteArray> before = Contents(bin);

    ASSERT_TRUE(UseProgramFolders(ChooseProgramFolders(bin, user, [](const QString&) { return true; })));
    EXPECT_EQ(ProgDir, bin.toStdString());
    EXPECT_EQ(Contents(bin), before);
    EXPECT_FALSE(QFileInfo::exists(user));
    ASSERT_TRUE(WriteDataFile("assist.dat", "/opt/assist"));
    EXPECT_EQ(ReadText(bin + "/data/assist.dat"), "/opt/assist\r\n");
}

TEST_F(ProgramFolder, AReadOnlyInstallationWritesEverythingInTheUsersFolderAndReadsItBack)
{
    const QString bin = root.filePath("usr/bin"), shared = root.filePath("usr/share/quorvia");
    QDir().mkpath(bin);
    WriteResources(shared);
    const QMap<QString, QByteArray> resources = Contents(shared);

    ASSERT_TRUE(UseProgramFolders(ChooseProgramFolders(bin, user, [](const QString&) { return false; })));
    ASSERT_EQ(ProgDir, user.toStdString());
    // The first start finds the samples' drawings in the archive and the Italian texts and help active.
    EXPECT_EQ(Contents(user), resources);
    CreateMessageCatalogue();
    EXPECT_EQ(MsgText(40), "Importa &dxf");

    // Settings, the archive, the language with its message and help files.
    ASSERT_TRUE(WriteDataFile("assist.dat", "/opt/assist"));
    Drw drawing;
    AddChainPath(drawing, {{0, 0}, {20, 0}});
    ASSERT_TRUE(drawing.Save(ReadArchiveFolder() + "saved.dis"));
    ASSERT_TRUE(WriteLanguageSetting(LanguageEnglish));
    ASSERT_TRUE(ChangeMessageLanguage(LanguageEnglish));
    ASSERT_TRUE(CopyHelpFile(LanguageEnglish));

    EXPECT_EQ(Contents(shared), resources);
    EXPECT_EQ(ReadText(user + "/data/assist.dat"), "/opt/assist\r\n");
    EXPECT_EQ(ReadText(user + "/msg/cad.msg"), "40=Import &dxf\n");
    EXPECT_EQ(ReadText(user + "/help/help.pdf"), "guide");
    std::string line;
    EXPECT_TRUE(ReadDataFile("assist.dat", line) && line == "/opt/assist");
    Drw loaded;
    EXPECT_TRUE(loaded.Load(user.toStdString() + "/draw/saved.dis"));
    EXPECT_EQ(loaded.entityCount(), 1);
    EXPECT_EQ(ReadLanguageSetting(), LanguageEnglish);
    EXPECT_EQ(MsgText(40), "Import &dxf");
    EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(ProgramFolder, SeedsOnceAndNeverReplacesWhatTheOperatorChanged)
{
    const QString shared = root.filePath("usr/share/quorvia");
    WriteResources(shared);
    ASSERT_TRUE(SeedProgramFolder(shared, user));
    WriteText(user + "/msg/cad.msg", "40=Importa\n");
    WriteText(user + "/data/disdir.dat", "/srv/disegni/\r\n");
    ASSERT_TRUE(QFile::remove(user + "/draw/rosone.dis"));
    const QMap<QString, QByteArray> changed = Contents(user);

    // The next start, also after the program moved: the operator's files stay, the resources are the new place's.
    const QString moved = root.filePath("opt/quorvia/share/quorvia");
    WriteResources(moved);
    WriteText(moved + "/msg/eng/cad.eng", "40=Import a DXF file\n");
    ASSERT_TRUE(SeedProgramFolder(moved, user));
    QMap<QString, QByteArray> expected = changed;
    expected["msg/eng/cad.eng"] = "40=Import a DXF file\n";
    EXPECT_EQ(Contents(user), expected);
    EXPECT_EQ(QFileInfo(user + "/msg/eng").symLinkTarget(), moved + "/msg/eng");
}

TEST_F(ProgramFolder, AUsersFolderThatCannotBeMadeLeavesTheResourcesInUse)
{
    const QString bin = root.filePath("usr/bin"), shared = root.filePath("usr/share/quorvia");
    QDir().mkpath(bin);
    WriteResources(shared);
    WriteText(root.filePath("file"), "not a folder");

    EXPECT_FALSE(UseProgramFolders(
        ChooseProgramFolders(bin, root.filePath("file/quorvia"), [](const QString&) { return false; })));
    EXPECT_EQ(ProgDir, shared.toStdString());
}
