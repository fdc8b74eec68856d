#include "shell/StatusPanels.h"

#include <QLabel>

namespace vellum {

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setMinimumWidth(1);
        addPermanentWidget(m_panels[i], 1);
    }
    m_panels[0]->setAccessibleName(QStringLiteral("Status mode"));
    m_panels[1]->setAccessibleName(QStringLiteral("Map type"));
}

QString StatusPanels::panelText(int panel) const {
    return panel >= 1 && panel <= 2 ? m_panels[panel - 1]->text() : QString();
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= 2)
        m_panels[panel - 1]->setText(text);
}

} // namespace vellum
