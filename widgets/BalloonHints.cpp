#include "widgets/BalloonHints.h"

#include "widgets/BalloonWindow.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QTimer>
#include <QWidget>

TBalloonHints::TBalloonHints(QObject* parent) : QObject(parent), FHideTimer(new QTimer(this)) {
    FHideTimer->setSingleShot(true);
    connect(FHideTimer, &QTimer::timeout, this, &TBalloonHints::HideHint);
    if (qApp) qApp->installEventFilter(this);
}

TBalloonHints::~TBalloonHints() {
    if (qApp) qApp->removeEventFilter(this);
    delete FBalloon;
}

void TBalloonHints::SetHidePause(int ms) {
    FHidePause = std::max(0, ms);
    if (FHideTimer->isActive()) FHideTimer->start(FHidePause);
}

bool TBalloonHints::IsShowing() const {
    return FBalloon && FBalloon->isVisible();
}

void TBalloonHints::ShowHint(const QString& text, const QPoint& tip, QWidget* owner) {
    if (text.isEmpty()) {
        HideHint();
        return;
    }
    if (!FBalloon) FBalloon = new TBalloonWindow();
    FOwner = owner;
    FBalloon->SetText(text);
    FBalloon->ShowAt(tip);
    const int ownPause = owner ? owner->toolTipDuration() : -1;
    FHideTimer->start(ownPause > 0 ? ownPause : FHidePause);
}

void TBalloonHints::HideHint() {
    FHideTimer->stop();
    if (FBalloon) FBalloon->hide();
    FOwner = nullptr;
}

bool TBalloonHints::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) break;
        // The nearest widget, from the one under the pointer outwards, that has a tip.
        QWidget* owner = widget;
        while (owner && owner->toolTip().isEmpty() && !owner->isWindow())
            owner = owner->parentWidget();
        if (!owner || owner->toolTip().isEmpty()) {
            HideHint();
            return true;
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!(IsShowing() && FOwner == owner))
            ShowHint(owner->toolTip(), help->globalPos() + QPoint(2, 16), owner);
        return true;
    }
    case QEvent::Leave:
        if (watched == FOwner) HideHint();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        if (IsShowing()) HideHint();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
