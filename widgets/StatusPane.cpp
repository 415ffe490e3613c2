#include "widgets/StatusPane.h"

TStatusPane::TStatusPane(int width, Qt::Alignment alignment, QWidget* parent)
    : TStatusPane(QString(), width, alignment, parent) {}

TStatusPane::TStatusPane(const QString& text, int width, Qt::Alignment alignment, QWidget* parent)
    : QLabel(text, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedWidth(width);
    setAlignment(alignment | Qt::AlignVCenter);
    setIndent(3);
    setTextFormat(Qt::PlainText);
}
