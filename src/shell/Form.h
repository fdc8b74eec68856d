#pragma once

#include <QPointer>
#include <QWidget>

#include <QMdiSubWindow>

namespace vellum {

// Why a window is being unloaded: the user's close box, or the program.
enum class UnloadMode { User, Code };

// Base of every window of the program. A window is not loaded, loaded and
// hidden, shown, or unloaded again; the registry (Forms) drives the
// lifecycle and runs the handlers below at the right moments. Child windows
// of the main frame live in its MDI area inside a sub-window; the others are
// top-level windows.
class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind { MdiChild, TopLevel };

    // Border styles the windows use; all of them are fixed in size.
    enum class Border { FixedSingle, None };

    explicit Form(Kind kind, Border border = Border::FixedSingle);
    ~Form() override;

    Kind kind() const { return m_kind; }
    bool isLoaded() const { return m_loaded && !m_unloaded; }

    // The window the user sees: the MDI sub-window, or this widget.
    QWidget* frame() const;
    QMdiSubWindow* subWindow() const { return m_subWindow; }

    void Show();
    void Hide();
    bool isShown() const;
    // Runs the query-unload handler (which may refuse) and the unload handler,
    // then destroys the window. Returns false when the window refused.
    bool Unload();

    // Sets the inner (client) size; the border is added around it.
    void setClientSize(int width, int height);
    // Moves the window, in twips inside the frame's client area (MDI
    // children) or on the screen (top-level windows).
    void Move(int leftTwips, int topTwips);
    // Moves only the left edge, keeping the top.
    void MoveLeft(int leftTwips);
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    // Places the window: centred horizontally, its top at 1/divisor of the
    // free screen height.
    void placeOnScreen(int topDivisor);

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& text);
    // Refuses or allows the close box without a query-unload handler.
    void setCloseBoxLocked(bool locked) { m_closeLocked = locked; }
    bool closeBoxLocked() const { return m_closeLocked; }

    // Runs the load handler once; Forms calls it after attaching the window.
    void runLoad();
    void runActivate() { Form_Activate(); }
    void runDeactivate() { Form_Deactivate(); }
    // Closes the window as its close box does (query-unload with User).
    bool closeByUser();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    // Return false to refuse the unload.
    virtual bool Form_QueryUnload(UnloadMode) { return true; }
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;

private:
    friend class Forms;
    void attachToMdiArea();
    void finishUnload();

    Kind m_kind;
    Border m_border;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_loaded = false;
    bool m_unloaded = false;
    bool m_closeLocked = false;
    bool m_inClose = false;
};

} // namespace vellum
