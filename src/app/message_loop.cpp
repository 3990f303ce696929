#include "app/program.h"
#include "ui/main_window.h"
#include "winapi.h"

namespace varnetto {

int runMessageLoop() {
    if (MainWindow::instance() == nullptr) return 0;
    MainWindow::setLoopRunning(true);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        MainWindow* window = MainWindow::instance();
        if (window != nullptr && window->owns(message.hwnd) && window->preTranslateKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    MainWindow::setLoopRunning(false);
    return static_cast<int>(message.wParam);
}

}  // namespace varnetto
