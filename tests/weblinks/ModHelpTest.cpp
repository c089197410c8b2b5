// The web-link openers.
#include "weblinks/modHelp.h"

#include "tests/support/UrlRecorder.h"

#include <QTest>

namespace horavela {

namespace {

// The build's host names, passed in apart from the program's own copy.
constexpr char MainSite[] = EXPECTED_MAIN_SITE_HOST;
constexpr char HelpSite[] = EXPECTED_HELP_SITE_HOST;
constexpr char ProgramSite[] = EXPECTED_PROGRAM_SITE_HOST;

QString address(const char* host, const char* path) {
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

} // namespace

class ModHelpTest : public QObject {
    Q_OBJECT

private slots:
    void eachOpenerOpensItsOwnAddress();
};

void ModHelpTest::eachOpenerOpensItsOwnAddress() {
    const struct {
        const char* opener;
        void (*open)();
        QString expected;
    } table[] = {
        {"OpenOnlineHelp", OpenOnlineHelp, address(ProgramSite, "/horavela-help.html")},
        {"OpenHomePage", OpenHomePage, address(MainSite, "")},
        {"OpenDownloadPage", OpenDownloadPage, address(ProgramSite, "/download-horavela.html")},
        {"OpenDonatePage", OpenDonatePage, address(HelpSite, "/donate.html")},
        {"OpenCoBrandPage", OpenCoBrandPage, address(HelpSite, "/co-brand.html")},
        {"OpenFullBrandPage", OpenFullBrandPage, address(HelpSite, "/fully-branded.html")},
    };
    for (const auto& row : table) {
        UrlRecorder browser;
        row.open();
        QVERIFY2(browser.opened == QStringList{row.expected},
                 qPrintable(QStringLiteral("%1 opened [%2], expected just %3")
                                .arg(QLatin1String(row.opener),
                                     browser.opened.join(QStringLiteral(", ")), row.expected)));
    }
    QVERIFY2(mainSiteAddress() == address(MainSite, ""),
             qPrintable(QStringLiteral("MainSiteAddress() is %1").arg(mainSiteAddress())));
}

} // namespace horavela

QTEST_MAIN(horavela::ModHelpTest)
#include "ModHelpTest.moc"
