#include "ui/placesearch/PlaceSuggestions.h"

#include "places/PlaceLookup.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <algorithm>

namespace horavela {

namespace {

enum Role { IdRole = Qt::UserRole, CityRole, StateRole, CountryRole };

// Rows exactly as high as a line of the box's text: styles pad list rows
// each in their own way, which would give the list another height on each
// system. The completer's own delegate still draws them.
class LineHighRows : public QStyledItemDelegate {
public:
    LineHighRows(QAbstractItemDelegate* drawing, QObject* parent)
        : QStyledItemDelegate(parent), drawing_(drawing) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        drawing_->paint(painter, option, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = drawing_->sizeHint(option, index);
        size.setHeight(option.fontMetrics.height());
        return size;
    }

private:
    QAbstractItemDelegate* drawing_;
};

} // namespace

PlaceSuggestions::PlaceSuggestions(QLineEdit& city, QLineEdit& state, QLineEdit& country)
    : QObject(&city), city_(city), state_(state), country_(country) {
    connect(&city, &QLineEdit::textEdited, this, &PlaceSuggestions::suggest);
}

// Made on the first keystroke, so that start-up never pays for the list.
QCompleter& PlaceSuggestions::completer() {
    if (!completer_) {
        places_ = new QStandardItemModel(this);
        completer_ = new QCompleter(places_, this);
        // The gazetteer has already put the places in order and chosen them;
        // the completer only shows them. It is not the box's own completer,
        // which would write the whole shown text into the box.
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setMaxVisibleItems(MostSuggestions);
        completer_->setWidget(&city_);
        completer_->popup()->setAccessibleName(
            QCoreApplication::translate("PlaceSuggestions", "Places"));
        // A window of its own, which would take the desktop's font; in the
        // box's font its rows are as high on every system.
        completer_->popup()->setFont(city_.font());
        QAbstractItemView& popup = *completer_->popup();
        popup.setItemDelegate(new LineHighRows(popup.itemDelegate(), &popup));
        connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                &PlaceSuggestions::choose);
    }
    return *completer_;
}

qint64 PlaceSuggestions::chosenId() const {
    const QString texts[] = {city_.text(), state_.text(), country_.text()};
    return std::equal(std::begin(texts), std::end(texts), std::begin(chosenTexts_)) ? chosenId_ : 0;
}

void PlaceSuggestions::suggest(const QString& typed) {
    QCompleter& list = completer();
    places_->clear();
    const std::optional<std::vector<Place>> found =
        typed.trimmed().isEmpty() ? std::nullopt
                                  : placesGazetteer().suggest(typed, MostSuggestions);
    if (!found || found->empty()) {
        list.popup()->hide();
        return;
    }
    for (const Place& place : *found) {
        auto* item = new QStandardItem(namesText(place));
        item->setData(qint64(place.id), IdRole);
        item->setData(QString::fromStdString(place.city), CityRole);
        // A city-state has no state of its own; its country stands in, so
        // that the search, which asks for a state, can run at once.
        item->setData(QString::fromStdString(place.state.empty() ? place.country : place.state),
                      StateRole);
        item->setData(QString::fromStdString(place.country), CountryRole);
        item->setEditable(false);
        places_->appendRow(item);
    }
    // As wide as the longest place, not only the box, so that no name is cut.
    QAbstractItemView& popup = *list.popup();
    QRect under = city_.rect();
    under.setWidth(std::max(under.width(), popup.sizeHintForColumn(0) +
                                               popup.verticalScrollBar()->sizeHint().width() +
                                               2 * popup.frameWidth()));
    list.complete(under);
}

void PlaceSuggestions::choose(const QModelIndex& index) {
    QLineEdit* boxes[] = {&city_, &state_, &country_};
    const int roles[] = {CityRole, StateRole, CountryRole};
    for (int i = 0; i < 3; ++i) {
        QLineEdit& box = *boxes[i];
        box.setText(index.data(roles[i]).toString().left(box.maxLength()));
        chosenTexts_[i] = box.text();
    }
    chosenId_ = index.data(IdRole).toLongLong();
}

} // namespace horavela
