// Places suggested under the City box as the user types, best first; choosing
// one fills in the City, State and Country boxes.
#pragma once

#include <QObject>
#include <QString>

class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

namespace horavela {

class PlaceSuggestions : public QObject {
    Q_OBJECT

public:
    static constexpr int MostSuggestions = 10;

    // Lives as long as the city box.
    PlaceSuggestions(QLineEdit& city, QLineEdit& state, QLineEdit& country);

    // The gazetteer's id of the place last chosen, while the three boxes
    // still hold its names; 0 otherwise.
    qint64 chosenId() const;

private:
    QCompleter& completer();
    void suggest(const QString& typed);
    void choose(const QModelIndex& index);

    QLineEdit& city_;
    QLineEdit& state_;
    QLineEdit& country_;
    QStandardItemModel* places_ = nullptr;
    QCompleter* completer_ = nullptr;
    qint64 chosenId_ = 0;
    QString chosenTexts_[3];
};

} // namespace horavela
