#include "TestFixtures.h"
#include "TestRegistry.h"

#include "annotations/SpellEngine.h"
#include "annotations/WordProbe.h"
#include "annotations/frmCheck.h"
#include "canvas/PictureBox.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/Twips.h"
#include "shell/frmSplash.h"
#include "tools/frmAbout.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vellum;

namespace {
void writeDictionary(const QString& folder, const QString& language, const QByteArray& dic) {
    writeAll(QDir(folder).filePath(language + ".aff"), "SET UTF-8\n");
    writeAll(QDir(folder).filePath(language + ".dic"), dic);
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void probe_data();
    void probe();
    void systemCheckShowsResultAndGoes();
    void splashShowsMainWindow();
    void splashFailureStillShowsMainWindow();
    void placement_data();
    void placement();
    void aboutBox();
};

void StartupTest::probe_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<bool>("works");
    QTest::newRow("en_US dictionary") << "en_US" << QByteArray("2\nhello\nworld\n") << true;
    QTest::newRow("any other dictionary") << "xx_YY" << QByteArray("1\nbonjour\n") << true;
    QTest::newRow("empty folder") << "" << QByteArray() << false;
    QTest::newRow("unreadable dictionary") << "en_US" << QByteArray("\x01\x02garbage") << false;
}

void StartupTest::probe() {
    QFETCH(QString, language);
    QFETCH(QByteArray, dictionary);
    QFETCH(bool, works);
    AppFixture fx;
    if (!language.isEmpty())
        writeDictionary(fx.folder(), language, dictionary);
    SpellEngine::setSearchFolders({fx.folder()});

    const QString text = runWordProbe();
    QCOMPARE(app().wordAvailable, works);
    QVERIFY(!app().wordObject);
    QCOMPARE(text, works
                       ? QStringLiteral("You have Microsoft Word Installed. Spell checking works!")
                       : QStringLiteral("You do not have Microsoft Word Installed. Spell checking "
                                        "is unavailable."));
    if (works) {
        auto engine = SpellEngine::create();
        QVERIFY(engine);
        QVERIFY(engine->isCorrect(QString::fromLatin1(dictionary.split('\n').at(1))));
        QVERIFY(!engine->isCorrect(QStringLiteral("zzqx")));
    }
}

void StartupTest::systemCheckShowsResultAndGoes() {
    AppFixture fx;
    SpellEngine::setSearchFolders({fx.folder()}); // no dictionary there
    MDIForm1* m = mainForm();
    frmCheck* check = Forms::find<frmCheck>();
    QVERIFY(check);
    QCOMPARE(check->caption(), QStringLiteral("System Check"));
    QCOMPARE(check->Frame1->title(), QStringLiteral("CHECKING SYSTEM FOR MICROSOFT WORD"));
    QCOMPARE(check->Label1->text(), kSpellingUnavailable);
    QVERIFY(check->isShown());
    QVERIFY(m->isVisible()); // the child window brought the main window up
    QVERIFY(!app().wordAvailable);
    settle(); // activation waits (no time in tests) and unloads it
    QVERIFY(!Forms::isLoaded<frmCheck>());
}

void StartupTest::splashShowsMainWindow() {
    AppFixture fx;
    QImage seen;
    frmSplash::setPictureSource([&seen] {
        seen = QImage(498, 289, QImage::Format_RGB32);
        seen.fill(Qt::darkRed);
        return seen;
    });
    Forms::get<frmSplash>();
    frmSplash::setPictureSource({});
    QVERIFY(!Forms::isLoaded<frmSplash>());
    QVERIFY(Forms::isLoaded<MDIForm1>());
    QVERIFY(Forms::find<MDIForm1>()->isVisible());
    QVERIFY(!seen.isNull());
}

void StartupTest::splashFailureStillShowsMainWindow() {
    AppFixture fx;
    frmSplash::setPictureSource([] { return QImage(); });
    Forms::get<frmSplash>();
    frmSplash::setPictureSource({});
    QVERIFY(!Forms::isLoaded<frmSplash>());
    QVERIFY(Forms::find<MDIForm1>()->isVisible());
}

void StartupTest::placement_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("offset");
    QTest::newRow("centre") << 15360 << 7470 << 2 << 3945;
    QTest::newRow("odd difference truncates") << 15361 << 7470 << 2 << 3945;
    QTest::newRow("one third") << 11520 << 5070 << 3 << 2150;
    QTest::newRow("window wider than screen") << 1000 << 1015 << 2 << -7;
}

void StartupTest::placement() {
    QFETCH(int, screen);
    QFETCH(int, window);
    QFETCH(int, divisor);
    QFETCH(int, offset);
    QCOMPARE(placedOffset(screen, window, divisor), offset);
}

void StartupTest::aboutBox() {
    AppFixture fx;
    MDIForm1* m = fx.main();
    m->mnuAbout->trigger();
    const auto modal = fx.dialogs.callsOf(ScriptedDialogs::Kind::Modal);
    QCOMPARE(modal.size(), 1);
    auto* about = Forms::find<frmAbout>();
    QVERIFY(about && modal.first().window == about);
    QCOMPARE(about->caption(), QStringLiteral("Harrowgate - The Vellum System 2"));
    QCOMPARE(about->size(), QSize(497, 372));
    QCOMPARE(about->Picture1->geometry(), QRect(0, 0, 496, 287));
    QCOMPARE(about->Label1->text(), QStringLiteral("Version 1"));
    QCOMPARE(about->Label5->text(), QStringLiteral("V. 2.6        10.12.06"));
    for (QLabel* credit : {about->Label2, about->Label3, about->Label4, about->Label6}) {
        QVERIFY(!credit->text().isEmpty());
        QCOMPARE(credit->x(), 8);
    }
    QVERIFY(about->Label2->text().contains(QStringLiteral("The Vellum2 developers")));
    QVERIFY(about->cmdOK->isDefault());
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!Forms::isLoaded<frmAbout>());

    m->mnuAbout->trigger();
    QTest::mouseClick(Forms::find<frmAbout>()->cmdOK, Qt::LeftButton);
    QVERIFY(!Forms::isLoaded<frmAbout>());
}

VELLUM_TEST(StartupTest);
#include "tst_startup.moc"
