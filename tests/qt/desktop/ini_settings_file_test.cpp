// SPDX-License-Identifier: GPL-3.0-or-later
// VELMORANT.INI through its store: groups written and read back, the other groups kept, the
// file replaced whole (no temporary file left beside it), and a place it cannot be written to.

#include "ui/qt/desktop/ini_settings_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QTemporaryDir>
#include <QtTest>

namespace fs = std::filesystem;
using velmorant::IniSettingsFile;

class IniSettingsFileTest : public QObject {
    Q_OBJECT

  private slots:
    void aGroupReadsBackAndTheOtherGroupsStay();
    void aFileThatCannotBeWrittenIsSaid();
    void aFileOverOneMegabyteOrNoRegularFileIsNeitherReadNorWritten();
};

void IniSettingsFileTest::aGroupReadsBackAndTheOtherGroupsStay() {
    QTemporaryDir folder;
    const fs::path file = fs::path(folder.path().toStdString()) / "VELMORANT.INI";
    std::ofstream(file) << "[Windows]\nRealTime=10 20\n[Rotator]\nOld=gone\n";
    const IniSettingsFile ini(file);
    QVERIFY(
        ini.WriteGroup("Rotator", {{"Host", "shack-pi"}, {"Port", "4533"}, {"Note", "a, b; c=d"}}));
    const auto rotator = ini.ReadGroup("Rotator");
    QCOMPARE(rotator.size(), std::size_t{3});
    QCOMPARE(rotator.at("Host"), std::string("shack-pi"));
    QCOMPARE(rotator.at("Note"), std::string("a, b; c=d"));
    QCOMPARE(ini.ReadGroup("Windows").at("RealTime"), std::string("10 20"));
    QVERIFY(ini.ReadGroup("Missing").empty());
    // Only the file itself (and no temporary copy) lies in the folder.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        QVERIFY2(entry.path().filename() == "VELMORANT.INI", entry.path().c_str());
        ++files;
    }
    QCOMPARE(files, 1);
}

void IniSettingsFileTest::aFileThatCannotBeWrittenIsSaid() {
    // Its folder would have to be made where a plain file lies, which no user can do.
    QTemporaryDir folder;
    const fs::path blocker = fs::path(folder.path().toStdString()) / "not-a-folder";
    std::ofstream(blocker) << "x";
    const fs::path file = blocker / "VELMORANT.INI";
    std::string problem;
    QVERIFY(!IniSettingsFile(file).WriteGroup("Rotator", {{"Port", "1"}}, &problem));
    QVERIFY2(problem.find("VELMORANT.INI cannot be written") != std::string::npos, problem.c_str());
    QVERIFY(IniSettingsFile(file).ReadGroup("Rotator").empty());
}

void IniSettingsFileTest::aFileOverOneMegabyteOrNoRegularFileIsNeitherReadNorWritten() {
    QTemporaryDir folder;
    const fs::path file = fs::path(folder.path().toStdString()) / "VELMORANT.INI";
    // A group the program would read, then comment lines up to the size.
    const auto fill = [&](std::uintmax_t bytes) {
        std::string text = "[Rotator]\nHost=shack-pi\n";
        while (text.size() < bytes) {
            text += "; " + std::string(60, 'x') + "\n";
        }
        text.resize(bytes - 1);
        text += '\n';
        std::ofstream(file, std::ios::binary) << text;
        return text;
    };
    fill(velmorant::kMostSettingsBytes);
    QCOMPARE(IniSettingsFile(file).ReadGroup("Rotator").at("Host"), std::string("shack-pi"));
    QVERIFY(!IniSettingsFile(file).Refusal());

    const std::string big = fill(velmorant::kMostSettingsBytes + 1);
    const IniSettingsFile ini(file);
    QVERIFY(ini.Refusal());
    QVERIFY(ini.ReadGroup("Rotator").empty());
    std::string problem;
    QVERIFY(!ini.WriteGroup("Windows", {{"RealTime", "1 2 3 4"}}, &problem));
    QVERIFY2(problem.find("VELMORANT.INI is larger than 1 MB and is not used") != std::string::npos,
             problem.c_str());
    std::ifstream in(file, std::ios::binary);
    QVERIFY(std::string(std::istreambuf_iterator<char>(in), {}) == big);

    // A FIFO under the name would block the reader: it is refused the same way.
    fs::remove(file);
    QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
    QVERIFY(IniSettingsFile(file).ReadGroup("Rotator").empty());
    QVERIFY(!IniSettingsFile(file).WriteGroup("Windows", {{"RealTime", "1"}}, &problem));
    QVERIFY2(problem.find("is not a regular file") != std::string::npos, problem.c_str());
    QVERIFY(fs::is_fifo(file));
}

QTEST_GUILESS_MAIN(IniSettingsFileTest)
#include "ini_settings_file_test.moc"
