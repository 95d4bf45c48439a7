// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/main_window/message_box_presenter.h"

#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace velmorant {
namespace {

// What the box showed when it was answered.
struct SeenBox {
    bool Found = false;
    QString ObjectName;
    QString Text;
    QString Title;
    Qt::TextFormat Format = Qt::AutoText;
    QMessageBox::StandardButtons Buttons;
    QWidget* Parent = nullptr;
    bool Modal = false;
};

// Answers the next modal message box with OK once the event loop shows it, as a test of a
// window would. Gives up after a number of passes of the loop, should no box ever come.
void AnswerNextBox(SeenBox& seen, int passesLeft = 100) {
    QTimer::singleShot(0, [&seen, passesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (passesLeft > 0) {
                AnswerNextBox(seen, passesLeft - 1);  // not shown yet: look again
            }
            return;
        }
        seen.Found = true;
        seen.ObjectName = box->objectName();
        seen.Text = box->text();
        seen.Title = box->windowTitle();
        seen.Format = box->textFormat();
        seen.Buttons = box->standardButtons();
        seen.Parent = box->parentWidget();
        seen.Modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
}

}  // namespace

class MessageBoxPresenterTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheTextAsGiven_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("the missing-file message keeps its two blanks")
            << QByteArray(
                   "The file is not where expected.  Make sure all the VELMORANT files "
                   "are in the same location as VELMORANT.EXE!")
            << QByteArray("File Not Found");
        QTest::newRow("markup is shown, not read")
            << QByteArray("<b>K1ABC</b> & W1AW") << QByteArray("CALLSIGN SEARCH");
        QTest::newRow("UTF-8 text") << QByteArray("DL1\xC3\x84X \xC3\xBC") << QByteArray("Notes");
        QTest::newRow("several lines") << QByteArray("line 1\nline 2") << QByteArray("");
    }

    void showsTheTextAsGiven() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, title);
        QWidget window;
        MessageBoxPresenter presenter(&window);
        SeenBox seen;
        AnswerNextBox(seen);
        presenter.ShowMessage(text.toStdString(), title.toStdString());

        QVERIFY(seen.Found);
        QCOMPARE(seen.ObjectName, QStringLiteral("messageBox"));
        QCOMPARE(seen.Text, QString::fromUtf8(text));
        QCOMPARE(seen.Title, QString::fromUtf8(title));
        QCOMPARE(seen.Format, Qt::PlainText);
        QCOMPARE(seen.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.Parent, &window);
        QVERIFY(seen.Modal);
        // The box is gone once answered.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void theParentCanBeGivenLater() {
        MessageBoxPresenter presenter;
        SeenBox alone;
        AnswerNextBox(alone);
        presenter.ShowMessage("first", "Title");
        QVERIFY(alone.Found);
        QCOMPARE(alone.Parent, nullptr);

        QWidget window;
        presenter.SetParent(&window);
        SeenBox owned;
        AnswerNextBox(owned);
        presenter.ShowMessage("second", "Title");
        QCOMPARE(owned.Text, QStringLiteral("second"));
        QCOMPARE(owned.Parent, &window);
    }

    void aParentThatIsGoneLeavesTheBoxAlone() {
        MessageBoxPresenter presenter;
        {
            QWidget window;
            presenter.SetParent(&window);
        }
        SeenBox seen;
        AnswerNextBox(seen);
        presenter.ShowMessage("after the window", "Title");
        QVERIFY(seen.Found);
        QCOMPARE(seen.Parent, nullptr);
    }
};

}  // namespace velmorant

QTEST_MAIN(velmorant::MessageBoxPresenterTest)
#include "message_box_presenter_test.moc"
