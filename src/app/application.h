#pragma once

class QApplication;

namespace drovik {

// The viewer's look (style, palette, style sheet, icon); call once the application object exists.
void configureApplication(QApplication &app);

// Called first in main(), before any thread starts.
void configureMalloc();

} // namespace drovik
