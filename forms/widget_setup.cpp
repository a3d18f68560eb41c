#include "forms/widget_setup.h"

#include "forms/font_faces.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#ifdef XUNDRAL_HAS_XCB
#include <cstdlib>
#include <xcb/xcb.h>
#endif

QLabel* makeLabel(QWidget* parent, const char* name, QPoint at, const QFont& font,
                  const QColor& color, const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(at);
    setAutoCaption(label, text);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const QString& caption, const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(false);
    // The window maps Alt+letter itself: two captions share S, and Alt+S must press the first.
    button->setShortcut(QKeySequence());
    return button;
}

QTextEdit* makeTextBox(QWidget* parent, const char* name, const QRect& geometry,
                       const QColor& background, const QFont& font, const QColor& color,
                       bool centred) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setFrameStyle(QFrame::NoFrame);
    box->setFont(font);
    box->setAcceptRichText(false);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Selectable with the mouse only: keyboard selection would show a caret in a box the
    // learner cannot type into.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->document()->setDocumentMargin(1);
    QPalette palette = box->palette();
    // A box on its parent's own colour lets the parent show through, so the style's shading of
    // a group frame does not leave lighter rectangles around the texts.
    const bool sameAsParent = parent && parent->palette().color(QPalette::Window) == background;
    palette.setColor(QPalette::Base, sameAsParent ? QColor(Qt::transparent) : background);
    palette.setColor(QPalette::Text, color);
    box->setPalette(palette);
    box->setProperty("centred", centred);
    return box;
}

void fillBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setAutoCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void setBoxText(QTextEdit* box, const QString& text) {
    box->setPlainText(text);
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    if (box->property("centred").toBool()) {
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(format);
    }
    // The box's share of HeldBoldStyle: an outline in the text's colour widens the strokes.
    const qreal spread = syntheticBoldSpread(box->font(), box->devicePixelRatioF());
    if (spread > 0) {
        QTextCharFormat format;
        format.setTextOutline(QPen(box->palette().color(QPalette::Text), spread));
        cursor.mergeCharFormat(format);
    }
}

namespace {

void handOverToWindowSystem() {
    // The window system still owes the window what the closed confirmation box covered, and
    // Qt paints newly shown panels only when their events arrive: deliver those events now,
    // but no key, click or timer tick, so no other handler runs before the work goes on.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
#ifdef XUNDRAL_HAS_XCB
    // Round trip to the X server, so the picture is on screen, not queued, when we return.
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, but without a connection.
    if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

} // namespace

void paintNow(QWidget* widget) {
    widget->repaint();
    handOverToWindowSystem();
}

void paintChangesNow(QWidget* window) {
    // Every change marks its region and asks the window for one update request; delivered now,
    // it paints those regions and no more.
    QCoreApplication::sendPostedEvents(window->window(), QEvent::UpdateRequest);
    handOverToWindowSystem();
}
