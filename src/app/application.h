#pragma once

class QApplication;

namespace drovik {

// Names, version, look and fonts of the viewer; call once the application object exists.
void configureApplication(QApplication &app);

} // namespace drovik
