// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/working_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/qt/environment_override.h"

namespace velmorant {
namespace {

namespace fs = std::filesystem;

const QStringList kAllFiles = {"VELMORANT.DAT", "CALL3.TXT", "QVSKYTEMP.DAT", "QVHELP.PDF"};

fs::path ToPath(const QString& text) {
    return fs::path(text.toStdU16String());
}

// Paths and file contents are compared as QString, which QCOMPARE can print.
QString Text(const fs::path& path) {
    return QString::fromStdU16String(path.u16string());
}
QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QStringList Texts(const std::vector<fs::path>& paths) {
    QStringList list;
    for (const fs::path& path : paths) {
        list << Text(path);
    }
    return list;
}

int FileCount(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each file says where it was made, so that a copy shows its origin.
void WriteFiles(const fs::path& folder, const QStringList& names, const std::string& origin) {
    fs::create_directories(folder);
    for (const QString& name : names) {
        WriteFile(folder / name.toStdString(), origin + ":" + name.toStdString());
    }
}

QStringList Names(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) {
        list << QString::fromStdString(name);
    }
    return list;
}

}  // namespace

class WorkingFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetApplicationIdentity(); }

    void theIdentityNamesThePerUserFolders() {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("VELMORANT"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("velmorant"));
    }

    void plan_data() {
        QTest::addColumn<QStringList>("executableFiles");
        QTest::addColumn<QStringList>("userFiles");
        QTest::addColumn<QList<QStringList>>("installedFiles");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<int>("source");  // index into the installed folders, -1 for none
        QTest::addColumn<QStringList>("toCopy");

        const QList<QStringList> installedAll = {kAllFiles};
        QTest::newRow("a portable copy works beside the program")
            << QStringList{"VELMORANT.DAT"} << QStringList{} << installedAll << true << -1
            << QStringList{};
        QTest::newRow("a portable copy ignores the user folder")
            << kAllFiles << QStringList{"VELMORANT.DAT"} << installedAll << true << -1
            << QStringList{};
        QTest::newRow("other files beside the program do not make a portable copy")
            << QStringList{"CALL3.TXT", "QVSKYTEMP.DAT", "QVHELP.PDF"} << QStringList{}
            << installedAll << false << 0 << kAllFiles;
        QTest::newRow("a new user folder gets every installed file")
            << QStringList{} << QStringList{} << installedAll << false << 0 << kAllFiles;
        QTest::newRow("only the missing files are copied")
            << QStringList{} << QStringList{"VELMORANT.DAT", "QVHELP.PDF"} << installedAll << false
            << 0 << QStringList{"CALL3.TXT", "QVSKYTEMP.DAT"};
        QTest::newRow("a complete user folder needs nothing")
            << QStringList{} << kAllFiles << installedAll << false << 0 << QStringList{};
        QTest::newRow("the first installed folder with the defaults is the source")
            << QStringList{} << QStringList{}
            << QList<QStringList>{{"CALL3.TXT", "QVHELP.PDF"},
                                  {"VELMORANT.DAT", "QVSKYTEMP.DAT"},
                                  kAllFiles}
            << false << 1 << QStringList{"VELMORANT.DAT", "QVSKYTEMP.DAT"};
        QTest::newRow("without installed defaults nothing is copied")
            << QStringList{} << QStringList{} << QList<QStringList>{{}, {"CALL3.TXT"}} << false
            << -1 << QStringList{};
        QTest::newRow("no installed folders at all")
            << QStringList{} << QStringList{} << QList<QStringList>{} << false << -1
            << QStringList{};
    }

    void plan() {
        QFETCH(QStringList, executableFiles);
        QFETCH(QStringList, userFiles);
        QFETCH(QList<QStringList>, installedFiles);
        QFETCH(bool, portable);
        QFETCH(int, source);
        QFETCH(QStringList, toCopy);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        candidates.UserFolder = ToPath(root.filePath("user/VELMORANT/velmorant"));
        WriteFiles(candidates.ExecutableFolder, executableFiles, "bin");
        if (!userFiles.isEmpty()) {
            WriteFiles(candidates.UserFolder, userFiles, "user");
        }
        for (qsizetype i = 0; i < installedFiles.size(); ++i) {
            candidates.InstalledFolders.push_back(ToPath(root.filePath(QString("share%1").arg(i))));
            WriteFiles(candidates.InstalledFolders.back(), installedFiles[i], "share");
        }
        // A candidate that does not exist is passed over.
        candidates.InstalledFolders.insert(candidates.InstalledFolders.begin(),
                                           ToPath(root.filePath("absent")));

        const WorkingFolderPlan plan = PlanWorkingFolder(candidates);

        QCOMPARE(Text(plan.Folder),
                 Text(portable ? candidates.ExecutableFolder : candidates.UserFolder));
        if (source < 0) {
            QVERIFY(!plan.Source.has_value());
        } else {
            QVERIFY(plan.Source.has_value());
            QCOMPARE(Text(*plan.Source),
                     Text(candidates.InstalledFolders[static_cast<size_t>(source) + 1]));
        }
        QCOMPARE(Names(plan.FilesToCopy), toCopy);
        // Planning changes nothing.
        QCOMPARE(fs::exists(candidates.UserFolder), !userFiles.isEmpty());
    }

    void theUserFolderIsSeededOnceAndNeverOverwritten() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        candidates.UserFolder = ToPath(root.filePath("user/VELMORANT/velmorant"));
        candidates.InstalledFolders = {ToPath(root.filePath("share"))};
        fs::create_directories(candidates.ExecutableFolder);
        WriteFiles(candidates.InstalledFolders[0], kAllFiles, "share");

        // First start: the folder is made and filled.
        QCOMPARE(Text(ChooseWorkingFolder(candidates)), Text(candidates.UserFolder));
        for (const QString& name : kAllFiles) {
            QCOMPARE(Text(ReadFile(candidates.UserFolder / name.toStdString())),
                     Text("share:" + name.toStdString()));
        }

        // The operator saves defaults and loses the station list; a newer installation ships
        // other files.
        WriteFile(candidates.UserFolder / "VELMORANT.DAT", "saved by the operator");
        fs::remove(candidates.UserFolder / "CALL3.TXT");
        WriteFiles(candidates.InstalledFolders[0], kAllFiles, "update");

        QCOMPARE(Text(ChooseWorkingFolder(candidates)), Text(candidates.UserFolder));
        QCOMPARE(Text(ReadFile(candidates.UserFolder / "VELMORANT.DAT")),
                 Text("saved by the operator"));
        QCOMPARE(Text(ReadFile(candidates.UserFolder / "CALL3.TXT")), Text("update:CALL3.TXT"));
        QCOMPARE(Text(ReadFile(candidates.UserFolder / "QVSKYTEMP.DAT")),
                 Text("share:QVSKYTEMP.DAT"));
        QCOMPARE(Text(ReadFile(candidates.UserFolder / "QVHELP.PDF")), Text("share:QVHELP.PDF"));
        // Nothing else is left behind.
        QCOMPARE(FileCount(candidates.UserFolder), 4);
        // The executable's folder stays as it was.
        QVERIFY(fs::is_empty(candidates.ExecutableFolder));
    }

    void thePortableCopyIsLeftAlone() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        candidates.UserFolder = ToPath(root.filePath("user"));
        candidates.InstalledFolders = {ToPath(root.filePath("share"))};
        WriteFiles(candidates.ExecutableFolder, {"VELMORANT.DAT"}, "bin");
        WriteFiles(candidates.InstalledFolders[0], kAllFiles, "share");

        QCOMPARE(Text(ChooseWorkingFolder(candidates)), Text(candidates.ExecutableFolder));
        QVERIFY(!fs::exists(candidates.UserFolder));
        QCOMPARE(FileCount(candidates.ExecutableFolder), 1);
    }

    void theUserFolderIsNeverItsOwnSource() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        candidates.UserFolder = ToPath(root.filePath("user"));
        // Another spelling of the user folder comes first among the installed folders.
        candidates.InstalledFolders = {ToPath(root.filePath("user/../user/.")),
                                       ToPath(root.filePath("share"))};
        WriteFiles(candidates.UserFolder, {"VELMORANT.DAT"}, "user");
        WriteFiles(candidates.InstalledFolders[1], kAllFiles, "share");

        const WorkingFolderPlan plan = PlanWorkingFolder(candidates);
        QVERIFY(plan.Source.has_value());
        QCOMPARE(Text(*plan.Source), Text(candidates.InstalledFolders[1]));
        QCOMPARE(Names(plan.FilesToCopy),
                 (QStringList{"CALL3.TXT", "QVSKYTEMP.DAT", "QVHELP.PDF"}));
    }

    void copiesOfReadOnlyFilesCanBeWritten() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        candidates.UserFolder = ToPath(root.filePath("user"));
        candidates.InstalledFolders = {ToPath(root.filePath("share"))};
        WriteFiles(candidates.InstalledFolders[0], {"VELMORANT.DAT", "CALL3.TXT"}, "share");
        for (const char* name : {"VELMORANT.DAT", "CALL3.TXT"}) {
            fs::permissions(candidates.InstalledFolders[0] / name,
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }

        QVERIFY(CarryOut(PlanWorkingFolder(candidates)));
        for (const char* name : {"VELMORANT.DAT", "CALL3.TXT"}) {
            const fs::perms perms = fs::status(candidates.UserFolder / name).permissions();
            QVERIFY((perms & fs::perms::owner_write) != fs::perms::none);
            QCOMPARE(Text(ReadFile(candidates.UserFolder / name)),
                     Text(std::string("share:") + name));
        }
    }

    void aUserFolderThatCannotBeMadeIsReported() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FolderCandidates candidates;
        candidates.ExecutableFolder = ToPath(root.filePath("bin"));
        // A plain file stands where the user folder's parent should be.
        WriteFile(ToPath(root.filePath("blocked")), "");
        candidates.UserFolder = ToPath(root.filePath("blocked/velmorant"));
        candidates.InstalledFolders = {ToPath(root.filePath("share"))};
        WriteFiles(candidates.InstalledFolders[0], kAllFiles, "share");

        const WorkingFolderPlan plan = PlanWorkingFolder(candidates);
        QCOMPARE(Text(plan.Folder), Text(candidates.UserFolder));
        QVERIFY(!CarryOut(plan));
        // The folder is still the answer: the program's own check reports the missing defaults.
        QCOMPARE(Text(ChooseWorkingFolder(candidates)), Text(candidates.UserFolder));
    }

    void withoutAUserFolderTheProgramWorksBesideItself() {
        FolderCandidates candidates;
        candidates.ExecutableFolder = "/nonexistent/velmorant/bin";
        QCOMPARE(Text(PlanWorkingFolder(candidates).Folder), Text(candidates.ExecutableFolder));
    }

    void theStandardPlacesFollowTheDesktopFolders() {
#ifndef Q_OS_LINUX
        QSKIP("The desktop folders are redirected through the XDG variables of Linux");
#else
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString home = root.filePath("home");
        const QString system1 = root.filePath("system1");
        const QString system2 = root.filePath("system2");
        EnvironmentOverride dataHome("XDG_DATA_HOME", QFile::encodeName(home));
        EnvironmentOverride dataDirs("XDG_DATA_DIRS", QFile::encodeName(system1 + ":" + system2));

        const FolderCandidates candidates = StandardFolderCandidates();
        const QString executableFolder = QCoreApplication::applicationDirPath();
        QCOMPARE(Text(candidates.ExecutableFolder), Text(ToPath(executableFolder)));
        QCOMPARE(Text(candidates.UserFolder), Text(ToPath(home + "/VELMORANT/velmorant")));
        const std::vector<fs::path> installed = {
            ToPath(QDir::cleanPath(executableFolder + "/../share/velmorant")),
            ToPath(home + "/VELMORANT/velmorant"),
            ToPath(system1 + "/VELMORANT/velmorant"),
            ToPath(system2 + "/VELMORANT/velmorant"),
            ToPath(home + "/velmorant"),
            ToPath(system1 + "/velmorant"),
            ToPath(system2 + "/velmorant"),
        };
        QCOMPARE(Texts(candidates.InstalledFolders), Texts(installed));

        // An installed program's first start, end to end.
        if (fs::exists(candidates.ExecutableFolder / "VELMORANT.DAT") ||
            fs::exists(installed[0] / "VELMORANT.DAT")) {
            QSKIP("The test program's own folder looks like an installation");
        }
        WriteFiles(ToPath(system1 + "/velmorant"), {"CALL3.TXT"}, "system1");
        WriteFiles(ToPath(system2 + "/velmorant"), kAllFiles, "system2");
        QCOMPARE(Text(ChooseWorkingFolder()), Text(candidates.UserFolder));
        for (const QString& name : kAllFiles) {
            QCOMPARE(Text(ReadFile(candidates.UserFolder / name.toStdString())),
                     Text("system2:" + name.toStdString()));
        }
#endif
    }
};

}  // namespace velmorant

QTEST_GUILESS_MAIN(velmorant::WorkingFolderTest)
#include "working_folder_test.moc"
