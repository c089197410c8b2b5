// Finding a window's named controls, reading what its fields hold, double-clicking a list row,
// and the web pages that the link labels and menu entries of the main and result windows open.
#pragma once

#include <QComboBox>
#include <QLatin1String>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace horavela {

// The named control of the window; a test cannot go on without it.
template <typename T> T* control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               T::staticMetaObject.className(), name);
    return found;
}

// What every text box, list and option of the window holds, one "name=value" each.
inline QStringList fieldStates(const QWidget* window) {
    QStringList texts;
    for (auto* edit : window->findChildren<QLineEdit*>())
        texts << edit->objectName() + u'=' + edit->text();
    for (auto* list : window->findChildren<QComboBox*>())
        texts << list->objectName() + u'=' + list->currentText();
    for (auto* option : window->findChildren<QRadioButton*>())
        texts << option->objectName() + u'=' + QString::number(option->isChecked());
    return texts;
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
    QTest::newRow("Label61") << "Label61" << main;
    QTest::newRow("lblFullBrand") << "lblFullBrand" << help + "/fully-branded.html";
    QTest::newRow("lblCobrand") << "lblCobrand" << help + "/co-brand.html";
    QTest::newRow("mnuOnline") << "mnuOnline" << program + "/horavela-help.html";
    QTest::newRow("mnuVisit") << "mnuVisit" << main;
    QTest::newRow("mnuUpdate") << "mnuUpdate" << program + "/download-horavela.html";
    QTest::newRow("mnuDonate") << "mnuDonate" << help + "/donate.html";
}

} // namespace horavela
