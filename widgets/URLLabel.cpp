#include "widgets/URLLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TURLLabel::TURLLabel(QWidget* parent) : TURLLabel(QString(), parent) {}

TURLLabel::TURLLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), FColor(0, 0, 255), FVisitedColor(128, 0, 128) {
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    ApplyLook();
}

void TURLLabel::SetURL(const QString& url) {
    FURL = url;
    setToolTip(url);
}

void TURLLabel::SetColor(const QColor& colour) {
    FColor = colour;
    ApplyLook();
}

void TURLLabel::SetVisitedColor(const QColor& colour) {
    FVisitedColor = colour;
    ApplyLook();
}

void TURLLabel::SetVisited(bool visited) {
    FVisited = visited;
    ApplyLook();
}

bool TURLLabel::Follow() {
    if (FURL.isEmpty()) return false;
    // A bare host name ("www.example.org") is a web address, not a local file.
    const QUrl url = QUrl::fromUserInput(FURL);
    if (!url.isValid()) return false;
    const bool opened = QDesktopServices::openUrl(url);
    if (opened) SetVisited(true);
    return opened;
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit Clicked();
        Follow();
    }
}

void TURLLabel::ApplyLook() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ShownColor());
    setPalette(p);
}
