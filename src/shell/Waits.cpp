#include "shell/Waits.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace vellum {

namespace {
double& scale() {
    static double value = 1.0;
    return value;
}
} // namespace

void setWaitScale(double value) {
    scale() = value;
}
double waitScale() {
    return scale();
}

void waitProcessingEvents(int milliseconds) {
    const int scaled = int(milliseconds * scale());
    if (scaled <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(scaled, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace vellum
