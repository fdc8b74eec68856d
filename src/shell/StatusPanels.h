#pragma once

#include <QStatusBar>

class QLabel;

namespace vellum {

// A status bar of two text panels of equal width; panel 1 shows the status
// mode, panel 2 the current map type.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    QLabel* m_panels[2];
};

} // namespace vellum
