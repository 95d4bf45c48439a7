// SPDX-License-Identifier: GPL-3.0-or-later
// velmorant_manual_pdf on small manuals: a valid, paged PDF, with a missing screenshot as well.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QColor>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ManualPdf : public testing::Test {
  protected:
    ManualPdf() {
        folder = fs::temp_directory_path() / ("velmorant-manual-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "screenshots");
    }
    ~ManualPdf() override { fs::remove_all(folder); }

    void WriteManual(const std::string& text) const {
        std::ofstream(folder / "manual.md", std::ios::binary) << text;
    }

    // Runs the tool on manual.md with the screenshots folder; returns its exit status.
    int Run() const {
        const std::string command = std::string(VELMORANT_MANUAL_PDF_TOOL) + " '" +
                                    (folder / "manual.md").string() + "' '" +
                                    (folder / "screenshots").string() + "' '" +
                                    (folder / "out.pdf").string() + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Pdf() const {
        std::ifstream in(folder / "out.pdf", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
};

// Page objects of the PDF ("/Type /Page", not the "/Type /Pages" tree).
int CountPages(const std::string& pdf) {
    int pages = 0;
    const std::string key = "/Type /Page";
    for (auto at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
        if (at + key.size() < pdf.size() && pdf[at + key.size()] != 's') {
            ++pages;
        }
    }
    return pages;
}

TEST_F(ManualPdf, LongTextWithAMissingScreenshotGivesSeveralPages) {
    std::string text = "# A manual\n\n![The main window](screenshots/absent.png)\n\n";
    text += "| Column | Meaning |\n| --- | --- |\n| UTC | the time |\n\n";
    for (int i = 1; i <= 120; ++i) {
        text += "Paragraph " + std::to_string(i) +
                " of a long text that has to run over more than one page of A4.\n\n";
    }
    WriteManual(text);
    ASSERT_EQ(Run(), 0);
    const std::string pdf = Pdf();
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_GT(CountPages(pdf), 1);
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos);
}

TEST_F(ManualPdf, ScreenshotFromTheFolderIsEmbedded) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 192));
    ASSERT_TRUE(image.save(QString::fromStdString((folder / "screenshots/shot.png").string())));
    WriteManual("# Short\n\n![A picture](screenshots/shot.png)\n\nOne line.\n");
    ASSERT_EQ(Run(), 0);
    const std::string pdf = Pdf();
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(CountPages(pdf), 1);
    EXPECT_NE(pdf.find("/Subtype /Image"), std::string::npos);
}

}  // namespace
