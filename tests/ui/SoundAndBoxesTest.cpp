// The sound cues' devices and the message and input boxes the player answers.
#include "UiTestSupport.h"

#include "MessageBoxes.h"
#include "SoundDevice.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace orbulon;
using namespace orbulon::testing;

class SoundAndBoxesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MediaCopy> Media;

    void Rattle(SoundDevice& Device, int Balls)
    {
        for (int Ball = 0; Ball < Balls; ++Ball) {
            Device.Command("Play");
            Device.Command("Prev");
        }
    }

private slots:
    void init() { Media = std::make_unique<MediaCopy>(); }

    void EveryPlaySoundsOnceWithinAboutASecond_data()
    {
        QTest::addColumn<int>("Balls");
        QTest::newRow("pair") << 2;
        QTest::newRow("six") << 6;
        QTest::newRow("whole board") << 132;
    }

    void EveryPlaySoundsOnceWithinAboutASecond()
    {
        QFETCH(int, Balls);
        SoundDevice Device;
        Device.FileName = Media->File("Click.wav").toStdString();
        Device.Command("Open");
        QVERIFY(Device.Opened());

        QElapsedTimer Clock;
        Clock.start();
        Rattle(Device, Balls);
        // Sending the commands never waits for the sound.
        QVERIFY(Clock.elapsed() < 100);
        QCOMPARE(Device.PlaysRequested(), Balls);
        QTRY_COMPARE_WITH_TIMEOUT(Device.PlaysPending(), 0, 3000);
        QCOMPARE(Device.PlaysSounded(), Balls);
        QVERIFY2(Clock.elapsed() < 1500, qPrintable(QString::number(Clock.elapsed())));

        // A second cue after the first one is over sounds in full as well.
        Rattle(Device, 3);
        QTRY_COMPARE_WITH_TIMEOUT(Device.PlaysSounded(), Balls + 3, 2000);
    }

    void MissingOrBrokenWaveFilesStaySilent()
    {
        SoundDevice Missing, Broken;
        Missing.FileName = Media->File("Nothing.wav").toStdString();
        Media->Write("Clear.wav", "RIFF and then nothing");
        Broken.FileName = Media->File("Clear.wav").toStdString();
        for (SoundDevice* Device : {&Missing, &Broken}) {
            Device->Command("Open");
            Rattle(*Device, 5);
        }
        QVERIFY(!Missing.Opened());
        QTRY_COMPARE_WITH_TIMEOUT(Missing.PlaysPending(), 0, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(Broken.PlaysPending(), 0, 2000);
        QCOMPARE(Missing.PlaysSounded(), 5);
    }

    void OnlyWholeWaveFilesReachThePlayer()
    {
        QFile Good(Media->File("Click.wav"));
        QVERIFY(Good.open(QIODevice::ReadOnly));
        const QByteArray Wave = Good.readAll();
        QVERIFY(SoundDevice::PlayableWave(Media->File("Click.wav").toStdString()));

        QByteArray Deep = Wave;  // the same sound claiming 24-bit samples
        Deep[34] = 24;
        for (const QByteArray& Damaged : {Wave.left(100), Wave.left(30), QByteArray("RIFF"), Deep}) {
            Media->Write("Clear.wav", Damaged);
            QVERIFY(!SoundDevice::PlayableWave(Media->File("Clear.wav").toStdString()));
        }
        QVERIFY(!SoundDevice::PlayableWave(Media->File("Nothing.wav").toStdString()));
    }

    void ExitQuestionDefaultsToCancelAndEscapeAnswersCancel()
    {
        QWidget Owner;
        MessageBoxes Boxes(&Owner);
        QString Text, Title, Default;
        bool Question = false;
        WhenModal([&](QWidget* Shown) {
            auto* Box = qobject_cast<QMessageBox*>(Shown);
            QVERIFY(Box);
            Text = Box->text();
            Title = Box->windowTitle();
            Default = Box->defaultButton() ? Box->defaultButton()->text() : QString();
            Question = Box->icon() == QMessageBox::Question;
            QTest::keyClick(Box, Qt::Key_Escape);
        });
        const int Answer = Boxes.MsgBox("Are you sure you want to exit?     ", "Orbulon", MsgButtons::OKCancel,
                                        MsgIcon::Question, ButtonCancel);
        QCOMPARE(Answer, ButtonCancel);
        QCOMPARE(Text, QStringLiteral("Are you sure you want to exit?     "));
        QCOMPARE(Title, QStringLiteral("Orbulon"));
        QVERIFY(Question);
        QVERIFY(Default.contains(QStringLiteral("Cancel")));

        WhenModal([](QWidget* Shown) { QTest::keyClick(Shown, Qt::Key_Return); });
        QCOMPARE(Boxes.MsgBox("Sure?", "Orbulon", MsgButtons::OKCancel, MsgIcon::Question, ButtonOK), ButtonOK);
    }

    void CensusLinesShowAsLinesAndClosingAnswersOK()
    {
        MessageBoxes Boxes(nullptr);
        QString Text;
        bool NoIcon = false;
        WhenModal([&](QWidget* Shown) {
            auto* Box = qobject_cast<QMessageBox*>(Shown);
            Text = Box->text();
            NoIcon = Box->icon() == QMessageBox::NoIcon;
            Box->close();
        });
        QCOMPARE(Boxes.MsgBox("There are:\r\rRed:     3\r\nEnd.     ", "Orbulon!"), ButtonOK);
        QCOMPARE(Text, QStringLiteral("There are:\n\nRed:     3\nEnd.     "));
        QVERIFY(NoIcon);
    }

    void InputBoxOffersTheDefaultAndCancelGivesEmpty()
    {
        MessageBoxes Boxes(nullptr);
        QString Offered;
        WhenModal([&](QWidget* Shown) {
            auto* Box = qobject_cast<QInputDialog*>(Shown);
            Offered = Box->textValue();
            Box->setTextValue(QStringLiteral("Zoë"));
            Box->accept();
        });
        QCOMPARE(Boxes.InputBox("Please enter your name.     ", "Orbulon!", "Player 1"), std::string("Zoë"));
        QCOMPARE(Offered, QStringLiteral("Player 1"));

        WhenModal([](QWidget* Shown) { QTest::keyClick(Shown, Qt::Key_Escape); });
        QCOMPARE(Boxes.InputBox("Please enter your name.     ", "Orbulon!", "Player 1"), std::string());
    }
};

ORBULON_UI_TEST_MAIN(SoundAndBoxesTest)
#include "SoundAndBoxesTest.moc"
