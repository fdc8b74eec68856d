#include "TestFixtures.h"
#include "TestRegistry.h"

#include "shell/MDIForm1.h"

#include <QTest>

class SmokeTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowLoads() {
        AppFixture fx;
        MDIForm1* m = fx.main();
        QCOMPARE(m->windowTitle(), QStringLiteral("Harrowgate - The Vellum System 2"));
    }
};
VELLUM_TEST(SmokeTest);
#include "tst_smoke.moc"
