// Double-clicking a list row, and the web pages that the link labels and menu
// entries of the main and result windows open.
#pragma once

#include <QListWidget>
#include <QString>
#include <QTest>

namespace horavela {

// Double-clicks the list's row as a user would: the first press selects it.
inline void doubleClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// Rows of a data-driven test with the columns "name" and "address": each
// link label and web menu entry of the two windows with the page it opens.
inline void addWebEntryRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    const QString main = QStringLiteral("http://" MAIN_SITE_HOST);
    const QString help = QStringLiteral("http://" HELP_SITE_HOST);
    const QString program = QStringLiteral("http://" PROGRAM_SITE_HOST);
    QTest::newRow("Label61") << "Label61" << main;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << help + "/fully-branded.html";
    QTest::newRow("lblCobrand") << "lblCobrand" << help + "/co-brand.html";
    QTest::newRow("mnuOnline") << "mnuOnline" << program + "/horavela-help.html";
    QTest::newRow("mnuVisit") << "mnuVisit" << main;
    QTest::newRow("mnuUpdate") << "mnuUpdate" << program + "/download-horavela.html";
    QTest::newRow("mnuDonate") << "mnuDonate" << help + "/donate.html";
}

} // namespace horavela
