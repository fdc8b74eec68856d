#include "document/LayoutOpener.h"

#include "canvas/PictureBox.h"
#include "canvas/frmLayout.h"
#include "document/MapImage.h"
#include "shell/AppState.h"
#include "shell/Forms.h"
#include "shell/MDIForm1.h"
#include "shell/UserDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <limits>

namespace vellum {

namespace {

// Slots are 16-bit; the list only grows until the next reset.
int takeSlot() {
    AppState& s = app();
    if (s.layoutWindows.isEmpty()) {
        s.layoutWindows = {nullptr, nullptr};
        s.layoutSlotFree = {false, false};
        return 1;
    }
    if (s.layoutWindows.size() > std::numeric_limits<qint16>::max())
        return 0;
    s.layoutWindows.append(nullptr);
    s.layoutSlotFree.append(false);
    return int(s.layoutWindows.size()) - 1;
}

void synchroniseToolBar(frmLayout* window) {
    MDIForm1* main = mainForm();
    const int style = int(window->Picture1->canvas().fillStyle());
    main->DrawCombo->setCurrentIndex(style);
    main->FillCombo->setCurrentIndex(style);
    main->ObjectCombo->setCurrentIndex(style);
    main->WidthText->setText(QString::number(window->Picture1->canvas().drawWidth()));
    app().swatchRight = float(main->ForeColorSwatch->scaleWidth() - 1);
    app().swatchBottom = float(main->ForeColorSwatch->scaleHeight() - 1);
}

} // namespace

frmLayout* openLayoutWindow() {
    AppState& s = app();
    const int slot = takeSlot();
    if (slot == 0) {
        msgBox(QStringLiteral("No more map windows can be opened in this scenario. Save the "
                              "scenario and open it again to continue."),
               {}, MsgButtons::OK, MsgResult::OK, MsgIcon::Exclamation);
        s.openMapFromFile = 0;
        return nullptr;
    }
    auto* window = Forms::loadNew<frmLayout>();
    s.layoutWindows[slot] = window;
    window->setTag(QString::number(slot));
    const bool existing = s.openMapFromFile == 1;
    window->setAwaitingGraphPaper(!existing);
    const QString title = existing ? s.lastMapRecord.title : s.newMapTitle;
    window->setCaption(title);
    if (existing) {
        const QImage picture = MapImage::load(mainForm()->Text2->text(), title);
        if (!picture.isNull())
            window->Picture1->setPicture(picture);
    }
    synchroniseToolBar(window);
    s.openMapFromFile = 0;
    window->Show();
    return window;
}

} // namespace vellum
