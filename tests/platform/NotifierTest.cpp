// Notifications as a desktop shows them, in a session of the test's own
// (tests/support/desktop-session.sh): what the notification server dunst
// received, read back from its history; and, with no server on the bus or no
// bus at all, the tray icon's balloon, or nothing without a tray icon; and
// a server that never answers holds up nothing.
// Each CTest test runs the functions that fit its session.
#include "platform/Notifier.h"

#include "tests/support/DunstHistory.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTextDocumentFragment>
#include <ctime>
#include <memory>
#include <optional>

namespace horavela {

namespace {

// The newest notification in dunst's history, its fields as "name": value,
// once it has an id above `after`.
std::optional<QJsonObject> newestReceived(qint64 after) {
    const QList<QJsonObject> received = receivedAfter(after);
    if (received.isEmpty())
        return std::nullopt;
    return received.last();
}

// The text a label shows, with rich text read as its reader sees it.
QString shownText(const QLabel& label) {
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    return rich ? QTextDocumentFragment::fromHtml(label.text()).toPlainText() : label.text();
}

// The balloon Qt draws for the tray icon, while it is on screen.
QWidget* balloon() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qstrcmp(widget->metaObject()->className(), "QBalloonTip") == 0)
            return widget;
    return nullptr;
}

bool balloonShows(const QString& text) {
    QWidget* shown = balloon();
    if (!shown)
        return false;

    for (const QLabel* label : shown->findChildren<QLabel*>())
        if (shownText(*label) == text)
            return true;
    return false;
}

enum class Tray { Visible, Hidden, None };

// A notification server that takes every call and answers none.
class SilentServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    int calls = 0;

public slots:
    QStringList GetCapabilities(const QDBusMessage& call) {
        call.setDelayedReply(true);
        ++calls;
        return {};
    }
    uint Notify(const QString&, uint, const QString&, const QString&, const QString&,
                const QStringList&, const QVariantMap&, int, const QDBusMessage& call) {
        call.setDelayedReply(true);
        ++calls;
        return 0;
    }
};

} // namespace

// Found by QCOMPARE, so that a failure names what was shown.
char* toString(NotificationShown shown) {
    switch (shown) {
    case NotificationShown::ByDesktop:
        return qstrdup("ByDesktop");
    case NotificationShown::InTray:
        return qstrdup("InTray");
    case NotificationShown::Nowhere:
        return qstrdup("Nowhere");
    }
    return qstrdup("?");
}

class NotifierTest : public QObject {
    Q_OBJECT

private slots:
    void desktopServerGetsTextAsWritten_data();
    void desktopServerGetsTextAsWritten();
    void withoutServerTrayIconShowsIt_data();
    void withoutServerTrayIconShowsIt();
    void silentServerHoldsNothingUp();
};

void NotifierTest::desktopServerGetsTextAsWritten_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    // dunst takes bodies as markup: the body that shows the text as written.
    QTest::addColumn<QString>("body");

    QTest::newRow("Tamil with markup characters")
        << QStringLiteral("ராகு காலம் <5 நிமிடங்களில்>")
        << QStringLiteral("ராகு காலம் 10:30 <b>முதல்</b> 12:00 & \"பின்\"")
        << QStringLiteral("ராகு காலம் 10:30 &lt;b&gt;முதல்&lt;/b&gt; 12:00 &amp; \"பின்\"");
    QTest::newRow("plain") << QStringLiteral("Gulika Kaal")
                           << QStringLiteral("Gulika Kaal from 13:30 to 15:00")
                           << QStringLiteral("Gulika Kaal from 13:30 to 15:00");
    QTest::newRow("an entity stays as typed")
        << QStringLiteral("Yamaganda &amp; more") << QStringLiteral("a &amp; b &#60;")
        << QStringLiteral("a &amp;amp; b &amp;#60;");
    QTest::newRow("two lines") << QStringLiteral("Rahu Kaal")
                               << QStringLiteral("now 09:00 > 10:30\nnext Gulika Kaal")
                               << QStringLiteral("now 09:00 &gt; 10:30\nnext Gulika Kaal");
}

void NotifierTest::desktopServerGetsTextAsWritten() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, body);
    const std::optional<QJsonObject> earlier = newestReceived(-1);
    const qint64 lastId = earlier ? (*earlier)[u"id"].toInteger() : 0;

    const qint64 before = bootMicroseconds();
    QCOMPARE(showNotification(title, text, nullptr), NotificationShown::ByDesktop);
    std::optional<QJsonObject> received;
    QTRY_VERIFY2_WITH_TIMEOUT((received = newestReceived(lastId)).has_value(),
                              "dunst never received the notification", 10000);
    const qint64 after = bootMicroseconds();

    QCOMPARE((*received)[u"appname"].toString(), QStringLiteral("Horavela"));
    // The summary is plain text to every server: it goes as written.
    QCOMPARE((*received)[u"summary"].toString(), title);
    QCOMPARE((*received)[u"body"].toString(), body);
    const qint64 stamp = (*received)[u"timestamp"].toInteger();
    QVERIFY2(stamp >= before && stamp <= after,
             qPrintable(QStringLiteral("received at %1 µs, not between %2 and %3")
                            .arg(stamp)
                            .arg(before)
                            .arg(after)));
}

void NotifierTest::withoutServerTrayIconShowsIt_data() {
    QTest::addColumn<Tray>("tray");
    QTest::addColumn<NotificationShown>("shown");

    QTest::newRow("tray icon on screen") << Tray::Visible << NotificationShown::InTray;
    QTest::newRow("tray icon hidden") << Tray::Hidden << NotificationShown::Nowhere;
    QTest::newRow("no tray icon") << Tray::None << NotificationShown::Nowhere;
}

void NotifierTest::withoutServerTrayIconShowsIt() {
    QFETCH(Tray, tray);
    QFETCH(NotificationShown, shown);
    QTRY_VERIFY2(QSystemTrayIcon::isSystemTrayAvailable(), "the session's tray never came up");
    std::unique_ptr<QSystemTrayIcon> icon;
    if (tray != Tray::None) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::darkRed);
        icon = std::make_unique<QSystemTrayIcon>(QIcon(pixmap));
        icon->setVisible(tray == Tray::Visible);
    }
    const QString text = QStringLiteral("<b>ராகு காலம்</b> & 10:30");

    QElapsedTimer asking;
    asking.start();
    QCOMPARE(showNotification(QStringLiteral("Rahu Kaal"), text, icon.get()), shown);
    // Only the bus is asked, and it answers at once or is not there.
    QVERIFY2(asking.elapsed() < 2000, "the notification held up its caller");

    if (shown == NotificationShown::InTray)
        QTRY_VERIFY2(balloonShows(text),
                     "the tray icon's balloon never showed the text as written");
    else
        QVERIFY2(!balloon(), "a balloon showed without a tray icon on screen");
    if (QWidget* left = balloon())
        left->close();
}

void NotifierTest::silentServerHoldsNothingUp() {
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection serverSide =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("silent"));
    SilentServer server;
    QVERIFY2(serverSide.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                       QDBusConnection::ExportAllSlots),
             "the silent server could not be put on the bus");
    QVERIFY2(serverSide.registerService(service), "the silent server could not take its name");

    QElapsedTimer asking;
    asking.start();
    QCOMPARE(
        showNotification(QStringLiteral("Rahu Kaal"), QStringLiteral("in 10 minutes"), nullptr),
        NotificationShown::ByDesktop);
    QVERIFY2(asking.elapsed() < 2000, "the notification waited for the server");
    QTRY_VERIFY2(server.calls > 0, "the server was never asked");

    serverSide.unregisterService(service);
    serverSide.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    QDBusConnection::disconnectFromBus(QStringLiteral("silent"));
}

} // namespace horavela

QTEST_MAIN(horavela::NotifierTest)
#include "NotifierTest.moc"
