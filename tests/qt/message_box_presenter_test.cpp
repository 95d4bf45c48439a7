#include "ui/qt/message_box_presenter.h"

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
    bool found = false;
    QString objectName;
    QString text;
    QString title;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool modal = false;
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
        seen.found = true;
        seen.objectName = box->objectName();
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.format = box->textFormat();
        seen.buttons = box->standardButtons();
        seen.parent = box->parentWidget();
        seen.modal = box->isModal();
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

        QVERIFY(seen.found);
        QCOMPARE(seen.objectName, QStringLiteral("messageBox"));
        QCOMPARE(seen.text, QString::fromUtf8(text));
        QCOMPARE(seen.title, QString::fromUtf8(title));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.parent, &window);
        QVERIFY(seen.modal);
        // The box is gone once answered.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void theParentCanBeGivenLater() {
        MessageBoxPresenter presenter;
        SeenBox alone;
        AnswerNextBox(alone);
        presenter.ShowMessage("first", "Title");
        QVERIFY(alone.found);
        QCOMPARE(alone.parent, nullptr);

        QWidget window;
        presenter.SetParent(&window);
        SeenBox owned;
        AnswerNextBox(owned);
        presenter.ShowMessage("second", "Title");
        QCOMPARE(owned.text, QStringLiteral("second"));
        QCOMPARE(owned.parent, &window);
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
        QVERIFY(seen.found);
        QCOMPARE(seen.parent, nullptr);
    }
};

}  // namespace velmorant

QTEST_MAIN(velmorant::MessageBoxPresenterTest)
#include "message_box_presenter_test.moc"
