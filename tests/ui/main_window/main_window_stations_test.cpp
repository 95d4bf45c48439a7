// SPDX-License-Identifier: GPL-3.0-or-later
// The station buttons through the window model: lookup, browse, locator calculation and the add
// button with a fake confirmation dialog.

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "stations/file_lock.h"
#include "stations/text_file.h"
#include "tests/ui/window_fixture.h"
#include "ui/model/defaults/text_storage.h"
#include "ui/model/station_dialog/station_dialog.h"

namespace velmorant::testing_support {
namespace {

class ScriptedDialog : public StationDialog {
  public:
    StationDialogAnswer ShowModal(const StationDialogRequest& request) override {
        requests.push_back(request);
        if (whileOpen) {
            whileOpen();
        }
        StationDialogAnswer reply = answer;
        if (keepFields) {
            reply.Locator = request.Locator;
            reply.Notes = request.Notes;
        }
        return reply;
    }
    StationDialogAnswer answer;
    bool keepFields = true;
    std::vector<StationDialogRequest> requests;
    // Runs while the dialog is shown: someone else changes the list meanwhile.
    std::function<void()> whileOpen;
};

class StationsTest : public WindowTest {
  protected:
    StationsTest() {
        list.text = kList;
        window.Stations.List = &list;
        window.Stations.Dialog = &dialog;
    }

    void Lookup(const std::string& typed) {
        window.PutText(window.txtCallsignHome, typed);
        window.cmdHomeLookup_Click();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < list.text.size();) {
            const std::size_t end = list.text.find("\r\n", start);
            lines.push_back(list.text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    FakeStorage list;
    ScriptedDialog dialog;
};

TEST_F(StationsTest, ALookupFillsTheStationAndComputesItsCoordinates) {
    Lookup("dl1abc ");
    EXPECT_EQ(window.txtCallsignHome.Text, "DL1ABC");
    EXPECT_EQ(window.txtLocatorHome.Text, "JN58td");
    EXPECT_EQ(window.txtNotesHome.Text, "EME 2M 4x17el");
    EXPECT_TRUE(window.txtNotesHome.Visible);
    EXPECT_EQ(window.txtDateCalc.Text, "Exact Match Found - Record # 18");
    EXPECT_TRUE(window.txtDateCalc.Visible);
    EXPECT_EQ(window.FoundRecordNumber, 18);
    const std::vector<std::string> coordinates = {
        window.txtLatDegHome.Text, window.txtLatMinHome.Text, window.txtLatSecHome.Text,
        window.cboLatDirHome.Text, window.txtLonDegHome.Text, window.txtLonMinHome.Text,
        window.txtLonSecHome.Text, window.cboLonDirHome.Text};
    EXPECT_EQ(coordinates, (std::vector<std::string>{"48", "8", "45", "N", "11", "37", "30", "E"}));
    EXPECT_EQ(mapClears, 1);
}

TEST_F(StationsTest, AnUnknownCallsignClearsLocatorNotesAndStatus) {
    Lookup("DL1ABC");
    Lookup("ZL9ZZZ");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "CALLSIGN SEARCH");
    EXPECT_EQ(window.txtCallsignHome.Text, "ZL9ZZZ");
    EXPECT_EQ(window.txtLocatorHome.Text, "");
    EXPECT_EQ(window.txtNotesHome.Text, "");
    EXPECT_FALSE(window.txtNotesHome.Visible);
    EXPECT_FALSE(window.txtDateCalc.Visible);
    EXPECT_EQ(window.txtDateCalc.Text, "");
    EXPECT_EQ(window.FoundRecordNumber, 0);
    EXPECT_EQ(window.txtLatDegHome.Text, "48") << "the coordinates stay";
}

TEST_F(StationsTest, ABrowseRequestMovesToTheNextStationAndIsCleared) {
    window.PutText(window.txtSearch, "]]]]]");
    Lookup("G4XYZ");
    EXPECT_EQ(window.txtCallsignHome.Text, "K1ABC");
    EXPECT_EQ(window.txtLocatorHome.Text, "FN42mm");
    EXPECT_EQ(window.txtDateCalc.Text, "Exact Browsed Callsign is at Record # 20");
    EXPECT_EQ(window.txtSearch.Text, "");
}

TEST_F(StationsTest, AMissingListEndsTheProgram) {
    list.exists = false;
    Lookup("DL1ABC");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].Title, "File Not Found");
    EXPECT_TRUE(window.EndRequested());
}

TEST_F(StationsTest, AddingANewStationPutsItInOrderAndKeepsEveryOtherLine) {
    window.PutText(window.txtCallsignHome, "F5ABC");
    window.PutText(window.txtLocatorHome, "JN18eu");
    dialog.answer.Choice = StationDialogChoice::Replace;
    window.cmdAddHome_Click();

    ASSERT_EQ(dialog.requests.size(), 1u);
    const StationDialogRequest& shown = dialog.requests[0];
    EXPECT_FALSE(shown.ExistingStation);
    EXPECT_EQ(shown.ReplaceCaption, "ADD NEW");
    EXPECT_EQ(shown.Locator, "JN18eu");
    EXPECT_EQ(shown.Notes, ",EME,,,,");
    ASSERT_EQ(messages.shown.size(), 1u) << "the not-found message comes before the dialog";

    std::vector<std::string> expected = Lines();
    const auto before = expected;
    EXPECT_EQ(before.size(), 23u);
    EXPECT_EQ(before[18], "F5ABC,JN18eu,,EME,,,,");
    expected.erase(expected.begin() + 18);
    std::vector<std::string> original;
    for (std::size_t start = 0; start < kList.size();) {
        const std::size_t end = kList.find("\r\n", start);
        original.push_back(kList.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(expected, original);
    EXPECT_EQ(window.txtDateCalc.Text, "Exact Match Found - Record # 19");
    EXPECT_EQ(window.txtLatDegHome.Text + " " + window.txtLatMinHome.Text, "48 51");
}

TEST_F(StationsTest, ReplacingKeepsTheLineInPlaceWithTheDialogsLocator) {
    Lookup("G4XYZ");
    dialog.keepFields = false;
    dialog.answer = {StationDialogChoice::Replace, "IO91wn", "70cm"};
    window.cmdAddHome_Click();
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_TRUE(dialog.requests[0].ExistingStation);
    EXPECT_EQ(dialog.requests[0].RecordNumber, "2");
    EXPECT_EQ(dialog.requests[0].ReplaceCaption, "REPLACE");
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[18], "G4XYZ,IO91wn,70cm");
    EXPECT_EQ(window.txtLocatorHome.Text, "IO91wn");
}

TEST_F(StationsTest, DeletingRemovesExactlyThatLineAndClearsTheRow) {
    Lookup("K1ABC");
    dialog.answer.Choice = StationDialogChoice::Delete;
    window.PutText(window.txtLocatorHome, "FN42aa");  // the add button needs six characters
    window.cmdAddHome_Click();
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[19], "W1XYZ,FN31pq,1kW");
    EXPECT_EQ(window.txtCallsignHome.Text, "");
    EXPECT_EQ(window.txtLocatorHome.Text, "");
    EXPECT_EQ(window.txtNotesHome.Text, "");
}

TEST_F(StationsTest, CancelAndIncompleteInputLeaveTheListUntouched) {
    Lookup("W1XYZ");
    dialog.answer.Choice = StationDialogChoice::Cancel;
    window.cmdAddHome_Click();
    EXPECT_EQ(dialog.requests.size(), 1u);

    window.PutText(window.txtLocatorHome, "FN31");
    window.cmdAddHome_Click();
    EXPECT_EQ(messages.shown.back().Title, "Incomplete Callsign");
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(list.writes, 0);
    EXPECT_EQ(list.text, kList);
    EXPECT_EQ(window.txtReplace.Text + window.txtDelete.Text + window.txtCancel.Text, "");
}

TEST_F(StationsTest, AClosestMatchIsOfferedAsANewStationNeverReplaced) {
    // Two portable callsigns that differ only in their 16th character.
    const std::string stored = "VK9X/DL1ABCDE/P1,JN58td,x\r\n";
    list.text = CommentBlock() + stored + "ZZZZZZ\r\n";
    window.PutText(window.txtCallsignHome, "VK9X/DL1ABCDE/P3");
    window.PutText(window.txtLocatorHome, "JO01aa");
    dialog.answer.Choice = StationDialogChoice::Delete;
    window.cmdAddHome_Click();
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_FALSE(dialog.requests[0].ExistingStation);
    EXPECT_EQ(list.writes, 0) << "a delete is no answer to a new-station dialog";

    window.PutText(window.txtCallsignHome, "VK9X/DL1ABCDE/P2");
    window.PutText(window.txtLocatorHome, "JO01aa");
    dialog.answer.Choice = StationDialogChoice::Replace;
    window.cmdAddHome_Click();
    ASSERT_EQ(dialog.requests.size(), 2u);
    EXPECT_FALSE(dialog.requests[1].ExistingStation);
    // The closest match left its notes in the row, and they go with the new station.
    EXPECT_EQ(list.text, CommentBlock() + stored + "VK9X/DL1ABCDE/P2,JO01aa,x\r\nZZZZZZ\r\n");
}

// The list changes while the dialog is open (a second copy of the program, an edit by hand):
// the edit finds the station again by its callsign, or changes nothing and says why.
struct StaleListCase {
    const char* Name;
    StationDialogChoice Choice;
    std::string ChangedList;  // the list as the other writer leaves it
    std::string Expected;     // the list after the answer
    const char* Message;      // the title shown last, or "" when none
};

TEST_F(StationsTest, AnEditAfterTheListChangedFindsTheStationAgainOrRefuses) {
    const std::string others = "DL1ABC,JN58td,a\r\nG4XYZ,IO91wm,b\r\n";
    const std::string w1 = "W1XYZ,FN31pq,c\r\n";
    const std::string base = CommentBlock() + others + w1 + "ZZZZZZ\r\n";
    // A station inserted above: W1XYZ moved down by one line.
    const std::string inserted = CommentBlock() + others + "K1ABC,FN42aa,d\r\n" + w1 + "ZZZZZZ\r\n";
    const std::string removed = CommentBlock() + others + "ZZZZZZ\r\n";
    const StaleListCase cases[] = {
        {"delete after an insert", StationDialogChoice::Delete, inserted,
         CommentBlock() + others + "K1ABC,FN42aa,d\r\nZZZZZZ\r\n", ""},
        {"replace after an insert", StationDialogChoice::Replace, inserted,
         CommentBlock() + others + "K1ABC,FN42aa,d\r\nW1XYZ,FN31pr,c\r\nZZZZZZ\r\n", ""},
        {"delete after it was deleted", StationDialogChoice::Delete, removed, removed,
         "Station List Changed"},
        {"replace after it was deleted", StationDialogChoice::Replace, removed, removed,
         "Station List Changed"},
    };
    for (const StaleListCase& c : cases) {
        SCOPED_TRACE(c.Name);
        list.text = base;
        messages.shown.clear();
        Lookup("W1XYZ");
        ASSERT_EQ(window.txtDateCalc.Text, "Exact Match Found - Record # 20");
        window.PutText(window.txtLocatorHome, "FN31pr");
        dialog.keepFields = false;
        dialog.answer = {c.Choice, "FN31pr", "c"};
        dialog.whileOpen = [&] { list.text = c.ChangedList; };
        window.cmdAddHome_Click();
        EXPECT_EQ(list.text, c.Expected);
        EXPECT_EQ(messages.shown.empty() ? "" : messages.shown.back().Title, c.Message);
    }

    // A new station that another writer stored meanwhile is not added a second time.
    list.text = base;
    messages.shown.clear();
    window.PutText(window.txtCallsignHome, "F5ABC");
    window.PutText(window.txtLocatorHome, "JN18eu");
    const std::string added = CommentBlock() + "F5ABC,JN18eu,x\r\n" + others + w1 + "ZZZZZZ\r\n";
    dialog.answer = {StationDialogChoice::Replace, "JN18eu", "y"};
    dialog.whileOpen = [&] { list.text = added; };
    window.cmdAddHome_Click();
    EXPECT_EQ(list.text, added);
    EXPECT_EQ(messages.shown.back().Title, "Station List Changed");
}

// The same on a real CALL3.TXT: another writer changes the file on disk while the dialog is
// open, and another copy of the program holds the list's lock.
class StationFileTest : public StationsTest {
  protected:
    StationFileTest()
        : folder(std::filesystem::temp_directory_path() /
                 ("velmorant_stations_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          file(folder / "CALL3.TXT"),
          storage(file) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        window.Stations.List = &storage;
    }
    ~StationFileTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::filesystem::path file;
    FileTextStorage storage;
};

TEST_F(StationFileTest, TheStationIsFoundAgainInTheFileAsItIsNow) {
    const std::string others = "DL1ABC,JN58td,a\r\nG4XYZ,IO91wm,b\r\n";
    ASSERT_TRUE(
        WriteTextFile(file, CommentBlock() + others + "W1XYZ,FN31pq,c\r\nZZZZZZ\r\n").Written());
    Lookup("W1XYZ");
    ASSERT_EQ(window.txtDateCalc.Text, "Exact Match Found - Record # 20");
    dialog.answer.Choice = StationDialogChoice::Delete;
    const std::string changed =
        CommentBlock() + others + "K1ABC,FN42aa,d\r\nW1XYZ,FN31pq,c\r\nZZZZZZ\r\n";
    dialog.whileOpen = [&] { ASSERT_TRUE(WriteTextFile(file, changed).Written()); };
    window.cmdAddHome_Click();
    EXPECT_EQ(ReadTextFile(file), CommentBlock() + others + "K1ABC,FN42aa,d\r\nZZZZZZ\r\n");
}

TEST_F(StationFileTest, ABusyListIsLeftAloneWithAMessage) {
    ASSERT_TRUE(WriteTextFile(file, kList).Written());
    Lookup("G4XYZ");
    dialog.answer.Choice = StationDialogChoice::Delete;
    std::optional<FileLock> otherCopy;
    dialog.whileOpen = [&] { otherCopy = FileLock::Acquire(file); };
    window.cmdAddHome_Click();
    ASSERT_TRUE(otherCopy.has_value());
    EXPECT_EQ(messages.shown.back().Title, "File Busy");
    EXPECT_EQ(ReadTextFile(file), kList);

    // Once the other copy is done, the same edit goes through.
    otherCopy.reset();
    dialog.whileOpen = nullptr;
    window.cmdAddHome_Click();
    EXPECT_EQ(ReadTextFile(file)->find("G4XYZ"), std::string::npos);
}

TEST_F(StationsTest, FieldsThatWouldNotReadBackAreRefusedBeforeAnythingIsWritten) {
    struct FaultCase {
        std::string Callsign, Locator, Notes;  // as the dialog returns them
    };
    const FaultCase cases[] = {
        {"DL1,ABC", "JN58td", "x"},                // the comma would end the callsign
        {"//DL1ABC", "JN58td", "x"},               // it would read as a comment line
        {"DL1\tABC", "JN58td", "x"},               // a control character
        {"VK9X/DL1ABCDEFGHIJ/P1", "JN58td", "x"},  // 21 characters
        {"DL1ABC", "JN58td", "two\r\nlines"},      // the line would split
        {"DL1ABC", "JN58td", "x\ny"},
        {"DL1ABC", "JN,8td", "x"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.Callsign + " " + c.Locator + " " + c.Notes);
        list.text = kList;
        messages.shown.clear();
        window.PutText(window.txtCallsignHome, c.Callsign);
        window.PutText(window.txtLocatorHome, "JN58td");
        dialog.keepFields = false;
        dialog.answer = {StationDialogChoice::Replace, c.Locator, c.Notes};
        window.cmdAddHome_Click();
        EXPECT_EQ(list.writes, 0);
        EXPECT_EQ(list.text, kList);
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().Title, "Input Required");
    }
    // A callsign of 20 characters is still a callsign.
    window.PutText(window.txtCallsignHome, "VK9X/DL1ABCDEFGHI/P1");
    window.PutText(window.txtLocatorHome, "JN58td");
    dialog.answer = {StationDialogChoice::Replace, "JN58td", "x"};
    window.cmdAddHome_Click();
    EXPECT_EQ(list.writes, 1);
}

TEST_F(StationsTest, AFailedRewriteSaysSoAndKeepsTheList) {
    Lookup("G4XYZ");
    list.refuseWrites = true;
    dialog.answer.Choice = StationDialogChoice::Replace;
    window.cmdAddHome_Click();
    EXPECT_EQ(messages.shown.back().Title, "File Not Saved");
    EXPECT_EQ(list.text, kList);
}

struct CalculationCase {
    const char* Locator;
    std::vector<std::string> CoordinatesBefore;  // deg min sec dir deg min sec dir
    const char* LocatorAfter;
    std::vector<std::string> CoordinatesAfter;
    const char* MessageTitle;  // "" when no message
};

TEST_F(StationsTest, TheCalculationButtonWritesBackWholeNumbers) {
    const CalculationCase cases[] = {
        {"jn58",
         {"0", "0", "0", "N", "0", "0", "0", "E"},
         "JN58mm",
         {"48", "31", "15", "N", "11", "2", "30", "E"},
         ""},
        {"",
         {"41", "42", "0", "N", "72", "43", "0", "W"},
         "FN31pq",
         {"41", "41", "15", "N", "72", "42", "30", "W"},
         ""},
        {"N POLE",
         {"90", "0", "0", "N", "10", "0", "0", "E"},
         "N POLE",
         {"90", "0", "0", "N", "10", "0", "0", "E"},
         ""},
        {"",
         {"0", "0", "0", "N", "x", "0", "0", "E"},
         "",
         {"0", "0", "0", "N", "0", "0", "0", "E"},
         "Input Required"},
        {"JN5",
         {"1.5", "2", "3", "N", "4", "5", "6", "E"},
         "JN5",
         {"1.5", "2", "3", "N", "4", "5", "6", "E"},
         "Input Required"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        window.PutText(window.txtLocatorHome, c.Locator);
        TextBox* numbers[] = {&window.txtLatDegHome, &window.txtLatMinHome, &window.txtLatSecHome,
                              &window.txtLonDegHome, &window.txtLonMinHome, &window.txtLonSecHome};
        const int numberIndex[] = {0, 1, 2, 4, 5, 6};
        for (int i = 0; i < 6; ++i) {
            window.PutText(*numbers[i], c.CoordinatesBefore[numberIndex[i]]);
        }
        window.PutComboText(window.cboLatDirHome, c.CoordinatesBefore[3]);
        window.PutComboText(window.cboLonDirHome, c.CoordinatesBefore[7]);
        window.cmdLocatorHomeCalc_Click();
        const std::vector<std::string> after = {
            window.txtLatDegHome.Text, window.txtLatMinHome.Text, window.txtLatSecHome.Text,
            window.cboLatDirHome.Text, window.txtLonDegHome.Text, window.txtLonMinHome.Text,
            window.txtLonSecHome.Text, window.cboLonDirHome.Text};
        EXPECT_EQ(window.txtLocatorHome.Text, c.LocatorAfter) << c.Locator;
        EXPECT_EQ(after, c.CoordinatesAfter) << c.Locator;
        EXPECT_EQ(messages.shown.empty() ? "" : messages.shown[0].Title, c.MessageTitle)
            << c.Locator;
    }
}

}  // namespace
}  // namespace velmorant::testing_support
