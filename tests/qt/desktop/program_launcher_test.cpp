// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/program_launcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/qt/environment_override.h"

namespace velmorant {
namespace {

// Records what would be launched; each action answers as told.
struct RecordingActions {
    struct Start {
        QString Program;
        QStringList Arguments;
        QString WorkingFolder;
    };
    QList<Start> starts;
    QList<QUrl> opened;
    bool startWorks = true;
    bool desktopWorks = true;

    LaunchActions Actions() {
        LaunchActions actions;
        actions.StartProcess = [this](const QString& program, const QStringList& arguments,
                                      const QString& workingFolder) {
            starts.append({program, arguments, workingFolder});
            return startWorks;
        };
        actions.OpenWithDesktop = [this](const QUrl& url) {
            opened.append(url);
            return desktopWorks;
        };
        return actions;
    }
};

void MakeFile(const QString& path, bool executable) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable) {
        permissions |= QFileDevice::ExeOwner;
    }
    QVERIFY(file.setPermissions(permissions));
}

}  // namespace

class ProgramLauncherTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir root_;
    QString tools_;          // {tools}: programs named by a full path
    QString workingFolder_;  // {work}: the program's working folder
    QString pathFolder_;     // a folder on PATH

    QString Expand(QString text) const {
        return text.replace("{tools}", tools_).replace("{work}", workingFolder_);
    }

  private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        tools_ = root_.filePath("tools");
        workingFolder_ = root_.filePath("work");
        pathFolder_ = root_.filePath("on path");
        MakeFile(tools_ + "/editor", true);
        MakeFile(tools_ + "/Reader 8.0/Acro Rd32", true);
        MakeFile(tools_ + "/notes.txt", false);
        MakeFile(workingFolder_ + "/bin/editor", true);
        MakeFile(workingFolder_ + "/local-editor", true);
        MakeFile(pathFolder_ + "/velmorant-test-editor", true);
        qputenv("PATH", QFile::encodeName(pathFolder_) + ":" + qgetenv("PATH"));
        qputenv("VELMORANT_TEST_TOOLS", QFile::encodeName(tools_));
        qunsetenv("VELMORANT_TEST_UNSET");
    }

    void opens_data() {
        QTest::addColumn<QString>("programPath");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<bool>("desktopWorks");
        QTest::addColumn<int>("how");          // LaunchResult::Kind
        QTest::addColumn<QString>("started");  // the program tried, empty for none

        const int program = static_cast<int>(LaunchResult::Kind::Program);
        const int desktop = static_cast<int>(LaunchResult::Kind::Desktop);
        const int failed = static_cast<int>(LaunchResult::Kind::Failed);

        QTest::newRow("an existing program")
            << "{tools}/editor"
            << "VELMORANT.TXT" << true << true << program << "{tools}/editor";
        QTest::newRow("blanks belong to the program's name")
            << "{tools}/Reader 8.0/Acro Rd32"
            << "QVHELP.PDF" << true << true << program << "{tools}/Reader 8.0/Acro Rd32";
        QTest::newRow("a bare name is looked for on PATH")
            << "velmorant-test-editor"
            << "VELMORANT.TXT" << true << true << program << pathFolder_ + "/velmorant-test-editor";
        // A program file lying in the working folder (dropped there, or named by a settings file
        // received from someone else) is never started.
        QTest::newRow("a bare name only in the working folder is not run")
            << "local-editor"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a relative path into the working folder is not run")
            << "bin/editor"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a relative path out of the working folder is not run")
            << "../tools/editor"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("$NAME is expanded")
            << "$VELMORANT_TEST_TOOLS/editor"
            << "VELMORANT.TXT" << true << true << program << "{tools}/editor";
        QTest::newRow("${NAME} is expanded")
            << "${VELMORANT_TEST_TOOLS}/Reader 8.0/Acro Rd32"
            << "QVHELP.PDF" << true << true << program << "{tools}/Reader 8.0/Acro Rd32";
        QTest::newRow("%NAME% is expanded")
            << "%VELMORANT_TEST_TOOLS%/editor"
            << "VELMORANT.TXT" << true << true << program << "{tools}/editor";

        QTest::newRow("the window's default editor goes to the desktop")
            << "%Systemroot%\\notepad.exe"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("the window's default reader goes to the desktop")
            << "C:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRd32.exe"
            << "QVHELP.PDF" << true << true << desktop << "";
        QTest::newRow("an unknown variable leaves no program")
            << "$VELMORANT_TEST_UNSET/editor"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a missing program") << "{tools}/nothing"
                                           << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a file that is not a program")
            << "{tools}/notes.txt"
            << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a folder") << "{tools}"
                                  << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("no program at all") << ""
                                           << "VELMORANT.TXT" << true << true << desktop << "";
        QTest::newRow("a program that does not start gives way to the desktop")
            << "{tools}/editor"
            << "VELMORANT.TXT" << false << true << desktop << "{tools}/editor";
        QTest::newRow("an absolute file") << "{tools}/nothing"
                                          << "{tools}/notes.txt" << true << true << desktop << "";

        QTest::newRow("neither the program nor the desktop")
            << "{tools}/nothing"
            << "VELMORANT.TXT" << true << false << failed << "";
        QTest::newRow("a program that does not start and no desktop")
            << "{tools}/editor"
            << "VELMORANT.TXT" << false << false << failed << "{tools}/editor";
    }

    void opens() {
        QFETCH(QString, programPath);
        QFETCH(QString, file);
        QFETCH(bool, startWorks);
        QFETCH(bool, desktopWorks);
        QFETCH(int, how);
        QFETCH(QString, started);
        file = Expand(file);
        started = Expand(started);

        RecordingActions recorder;
        recorder.startWorks = startWorks;
        recorder.desktopWorks = desktopWorks;
        const LaunchResult result =
            OpenWithProgram(Expand(programPath), file, workingFolder_, recorder.Actions());

        QCOMPARE(static_cast<int>(result.How), how);
        QCOMPARE(result.Launched(), how != static_cast<int>(LaunchResult::Kind::Failed));
        if (started.isEmpty()) {
            QCOMPARE(recorder.starts.size(), 0);
        } else {
            // The program gets the file as its one argument, in the working folder.
            QCOMPARE(recorder.starts.size(), 1);
            QCOMPARE(recorder.starts[0].Program, started);
            QCOMPARE(recorder.starts[0].Arguments, QStringList{file});
            QCOMPARE(recorder.starts[0].WorkingFolder, workingFolder_);
        }
        QCOMPARE(result.Program,
                 how == static_cast<int>(LaunchResult::Kind::Program) ? started : QString());
        if (how == static_cast<int>(LaunchResult::Kind::Program)) {
            QCOMPARE(recorder.opened.size(), 0);
        } else {
            // The desktop is handed the file itself, wherever the program would have run.
            QCOMPARE(recorder.opened.size(), 1);
            QCOMPARE(recorder.opened[0],
                     QUrl::fromLocalFile(QDir(workingFolder_).absoluteFilePath(file)));
        }
    }

    void findProgramExpandsAndResolves_data() {
        QTest::addColumn<QString>("programPath");
        QTest::addColumn<QString>("found");
        QTest::newRow("absolute") << "{tools}/editor"
                                  << "{tools}/editor";
        QTest::newRow("expanded") << "${VELMORANT_TEST_TOOLS}/editor"
                                  << "{tools}/editor";
        QTest::newRow("relative") << "bin/editor"
                                  << "";
        QTest::newRow("dot-relative") << "./local-editor"
                                      << "";
        QTest::newRow("not a program") << "{tools}/notes.txt"
                                       << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }

    void findProgramExpandsAndResolves() {
        QFETCH(QString, programPath);
        QFETCH(QString, found);
        QCOMPARE(FindProgram(Expand(programPath)), Expand(found));
    }

    void relativeFoldersOnPathAreNotSearched() {
        // "." or a relative folder on PATH would name the working folder again when the program
        // runs there.
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingFolder_));
        {
            EnvironmentOverride path("PATH", "::.:bin");
            QCOMPARE(FindProgram("local-editor"), QString());
            QCOMPARE(FindProgram("editor"), QString());
        }
        QVERIFY(QDir::setCurrent(current));
    }

    void theRealActionsAskTheDesktopOnlyWhereItsAnswerHolds() {
        const LaunchActions actions = DesktopLaunchActions();
        QVERIFY(static_cast<bool>(actions.StartProcess));
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        QVERIFY(static_cast<bool>(actions.OpenWithDesktop));
#else
        // xdg-open reports success before a window shows, or never shows one (a terminal
        // editor): the program's own viewer takes over instead.
        QVERIFY(!static_cast<bool>(actions.OpenWithDesktop));
#endif
    }

    void missingActionsCountAsFailures() {
        const LaunchResult result =
            OpenWithProgram(tools_ + "/editor", "VELMORANT.TXT", workingFolder_, LaunchActions{});
        QCOMPARE(result.How, LaunchResult::Kind::Failed);
    }
};

}  // namespace velmorant

QTEST_GUILESS_MAIN(velmorant::ProgramLauncherTest)
#include "program_launcher_test.moc"
