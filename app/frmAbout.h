// The About window: program name, description, rights and two links.
#pragma once

class QWidget;

namespace horavela {

// Shows the About window modally, centred on the screen; returns when it is closed.
void ShowAboutWindow(QWidget* owner);

} // namespace horavela
