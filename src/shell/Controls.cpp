#include "shell/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vellum::controls {

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y,
              QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    l->setBuddy(buddy);
    return l;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(geometry);
    return c;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption,
                    const QRect& geometry) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(geometry);
    return f;
}

QGroupBox* borderlessFrame(QWidget* parent, const char* name, const QRect& geometry) {
    QGroupBox* f = groupBox(parent, name, {}, geometry);
    f->setFlat(true);
    f->setStyleSheet(QStringLiteral("QGroupBox#%1 { border: none; }").arg(f->objectName()));
    return f;
}

} // namespace vellum::controls
