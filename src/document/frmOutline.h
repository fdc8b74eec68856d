#pragma once

#include "shell/Form.h"

#include "document/FootnoteRecord.h"

#include <QHash>
#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The outline of the open scenario: one root node per map, with a child node
// per footnote. A click reopens a closed map or opens a footnote for editing.
class frmOutline : public vellum::Form {
    Q_OBJECT
public:
    frmOutline();

    QGroupBox* Frame1;
    QTreeWidget* TreeView1;
    QPushButton* cmdNew;
    QPushButton* Command1;
    QPushButton* Command2;
    QLineEdit* Text1; // text of the node clicked last
    QLineEdit* Text2; // parent text of the leaf clicked last

    // Keyed nodes of the tree.
    QTreeWidgetItem* addNode(const QString& key, const QString& text,
                             const QString& parentKey = {});
    QTreeWidgetItem* node(const QString& key) const;
    QString nodeText(const QString& key) const;
    void removeAllNodes();
    void setLinesAtRoot(bool on);

    void cmdNew_Click();
    void Command1_Click();
    void Command2_Click();
    void TreeView1_NodeClick(QTreeWidgetItem* node);

protected:
    void Form_Load() override;
    bool Form_QueryUnload(vellum::UnloadMode mode) override;

    // Where a click on a footnote node goes (the footnote editor).
    static void setFootnoteEditor(std::function<void(const vellum::FootnoteRecord&)> editor);

private:
    static void openFootnoteForEditing(const vellum::FootnoteRecord& footnote);
    QHash<QString, QTreeWidgetItem*> m_nodes;
};
