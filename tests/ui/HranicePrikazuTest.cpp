#include "TestPomoc.h"
#include "ui/AplikaceQt.h"

#include <QTimer>
#include <QtTest>

#include <stdexcept>

using namespace lineon;

// An exception that no command caught, thrown anywhere under the event loop, is shown as a Czech
// error and the program goes on.
class HranicePrikazuTest : public QObject {
    Q_OBJECT

private slots:
    void smyckaUdalostiVyjimkuZachytiAJedeDal()
    {
        test::ZaznamZprav zpravy;
        static_cast<ui::AplikaceQt*>(QCoreApplication::instance())->NastavitZpravy(&zpravy);
        bool dalsi = false;
        QTimer::singleShot(0, [] { throw std::logic_error("neočekávaný stav"); });
        QTimer::singleShot(0, [&dalsi] { dalsi = true; });
        QTRY_VERIFY(dalsi);
        QCOMPARE(zpravy.zpravy.size(), std::size_t(1));
        QVERIFY(zpravy.zpravy[0].text.find("(neočekávaný stav)") != std::string::npos);
        static_cast<ui::AplikaceQt*>(QCoreApplication::instance())->NastavitZpravy(nullptr);
    }
};

int main(int argc, char** argv)
{
    ui::AplikaceQt aplikace(argc, argv);
    HranicePrikazuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HranicePrikazuTest.moc"
