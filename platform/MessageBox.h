// The program's one way of telling the user something: a modal message box
// titled "Horavela" with a single OK button.
#pragma once

#include <QString>

class QWidget;

namespace horavela {

enum class MessageIcon { Critical, Information };

// Returns when the user has dismissed the box.
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);

} // namespace horavela
