// One data row a line, double-clicking a list row, and the web pages that the
// link labels and menu entries of the main and result windows open.
#pragma once

#include <QListWidget>
#include <QString>
#include <QTest>

namespace horavela {

// A row of a data-driven test: its name, then one value for each column.
template <typename... Values> void addRow(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

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
    addRow("Label61", "Label61", main);
    addRow("lblFullBrand", "lblFullBrand", help + "/fully-branded.html");
    addRow("lblCobrand", "lblCobrand", help + "/co-brand.html");
    addRow("mnuOnline", "mnuOnline", program + "/horavela-help.html");
    addRow("mnuVisit", "mnuVisit", main);
    addRow("mnuUpdate", "mnuUpdate", program + "/download-horavela.html");
    addRow("mnuDonate", "mnuDonate", help + "/donate.html");
}

} // namespace horavela
