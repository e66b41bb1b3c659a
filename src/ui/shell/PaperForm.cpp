#include "shell/PaperForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quillory {

QColor PaperForm::ink()
{
    return {160, 24, 40};
}

QLabel *PaperForm::captionLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink());
    label->setPalette(palette);
    return label;
}

PaperBox::PaperBox(QWidget *parent, const QString &number, const QString &caption, bool wrapCaption) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 3);
    layout->setSpacing(1);
    if (!number.isEmpty() || !caption.isEmpty()) {
        auto *row = new QHBoxLayout;
        row->setSpacing(4);
        if (!number.isEmpty()) {
            QLabel *n = PaperForm::captionLabel(number, this);
            QFont bold = n->font();
            bold.setBold(true);
            n->setFont(bold);
            row->addWidget(n, 0, Qt::AlignTop);
        }
        caption_ = PaperForm::captionLabel(caption, this);
        caption_->setObjectName(QStringLiteral("caption"));
        if (wrapCaption) {
            caption_->setWordWrap(true);
            QSizePolicy wrapping(QSizePolicy::Ignored, QSizePolicy::Preferred);
            wrapping.setHeightForWidth(true);
            caption_->setSizePolicy(wrapping);
        }
        row->addWidget(caption_, 1);
        layout->addLayout(row);
    }
    body_ = new QVBoxLayout;
    body_->setSpacing(1);
    layout->addLayout(body_, 1);
}

void PaperBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(PaperForm::ink());
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
}

PaperForm::PaperForm(QWidget *parent) : QWidget(parent), bands_(new QVBoxLayout(this))
{
    bands_->setContentsMargins(0, 0, 1, 1);
    bands_->setSpacing(0);
    bands_->addStretch();
}

void PaperForm::addBand(const QVector<int> &columnStretch)
{
    band_ = new QGridLayout;
    band_->setSpacing(0);
    for (int c = 0; c < columnStretch.size(); ++c)
        band_->setColumnStretch(c, columnStretch[c]);
    bands_->insertLayout(bands_->count() - 1, band_);
}

void PaperForm::addBoxes(const QVector<Box> &boxes)
{
    for (const Box &box : boxes)
        addBox(box);
}

PaperBox *PaperForm::addBox(const Box &box)
{
    auto *b = new PaperBox(this, box.number, box.caption, wrapCaptions_);
    QWidget *buddy = box.buddy;
    bool fills = false;
    for (QWidget *w : box.contents) {
        fills = fills || (w->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag);
        w->setParent(b);
        // A field kept narrower than its box stands at the left.
        b->body()->addWidget(w, 0, w->maximumWidth() < QWIDGETSIZE_MAX ? Qt::AlignLeft : Qt::Alignment());
        if (!buddy && w->focusPolicy() != Qt::NoFocus)
            buddy = w;
    }
    // What does not fill its box stands at the top.
    if (!fills)
        b->body()->addStretch();
    if (b->caption())
        b->caption()->setBuddy(buddy);
    band_->addWidget(b, box.cell.row, box.cell.column, box.cell.rowSpan, box.cell.columnSpan);
    return b;
}

void PaperForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(ink());
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

} // namespace quillory
