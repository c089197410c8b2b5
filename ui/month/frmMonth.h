// The month window: Rahu Kaal, Yamaganda and Gulika Kaal of every day of a
// month at the form's place, a month at a time, to save, print or save as PDF.
#pragma once

#include "month/MonthFiles.h"
#include "month/MonthPlace.h"
#include "ui/month/MonthDialogs.h"
#include "ui/month/MonthRows.h"

#include <QDate>
#include <QDialog>
#include <QSize>
#include <array>
#include <chrono>
#include <memory>

namespace Ui {
class frmMonth;
}

namespace horavela {

class frmMonth : public QDialog {
    Q_OBJECT

public:
    // Shows the chosen day's month with that day's row selected; today's row,
    // by today's date, is marked.
    frmMonth(Place place, std::chrono::year_month_day chosen, QDate today,
             QWidget* parent = nullptr);
    ~frmMonth() override;

    std::chrono::year_month shownMonth() const { return shown_; }

private slots:
    void cmdPrevMonth_Click();
    void cmdNextMonth_Click();
    void cmdSaveCalendar_Click();
    void cmdSaveCsv_Click();
    void cmdPrint_Click();
    void cmdSavePdf_Click();

private:
    // What the window's texts need in the user's language: the columns' widths,
    // a row's height and the month heading's size.
    struct Measures {
        std::array<int, MonthColumns> widths{};
        int rowHeight = 0;
        QSize heading;
    };

    void applyLook();
    void connectControls();
    const Measures& measures() const;
    void sizeTable(const Measures& sizes);
    void fitTableToScreen();
    void showMonth(std::chrono::year_month month);
    void markRow(int row, const QString& description);
    // Asks what to save and where; nothing when the user cancelled.
    std::optional<SaveChoice> askSave(SaveKind kind);
    QString askPath(const QString& extension, const QString& filter, int months);
    void save(const QString& path, const QByteArray& bytes);

    std::unique_ptr<Ui::frmMonth> ui_;
    Place place_;
    std::chrono::year_month_day chosen_;
    QDate today_;
    std::chrono::year_month shown_;
};

} // namespace horavela
