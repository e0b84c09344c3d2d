#include "window/summary_preview.h"

#include "object/qt/summary_printing.h"
#include "window/window_fit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zeltar::object {

namespace {

constexpr int kPageWidthPixels = 1150; // about a third of the sheet's width at 300 dpi
constexpr int kPageGapPixels = 12;
const QSize kWindowSize(1220, 860);

} // namespace

SummaryPreview::SummaryPreview(QWidget* parent, const SummaryReportTexts& texts, std::function<void()> print,
                               std::function<void()> savePdf)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SummaryPreview"));
    setWindowTitle(QStringLiteral("ЗЕЛТАР - Сводка по объекту: предварительный просмотр"));
    const QScreen* screen = parent != nullptr ? parent->screen() : this->screen();
    resize(screen != nullptr ? FittedWindowSize(kWindowSize, screen->availableGeometry()) : kWindowSize);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& name, const QString& caption, std::function<void()> command) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, std::move(command));
        buttons->addWidget(button);
    };
    buttons->addStretch();
    addButton(QStringLiteral("PrintButton"), QStringLiteral("Печать..."), std::move(print));
    addButton(QStringLiteral("PdfButton"), QStringLiteral("Сохранить PDF..."), std::move(savePdf));
    addButton(QStringLiteral("CloseButton"), QStringLiteral("Закрыть"), [this] { accept(); });

    auto* pages = new QWidget;
    auto* pageColumn = new QVBoxLayout(pages);
    pageColumn->setSpacing(kPageGapPixels);
    const std::vector<QImage> images = SummaryPageImages(texts, kPageWidthPixels);
    pageCount_ = static_cast<int>(images.size());
    for (const QImage& image : images) {
        auto* page = new QLabel(pages);
        page->setPixmap(QPixmap::fromImage(image));
        page->setFrameShape(QFrame::Box);
        pageColumn->addWidget(page, 0, Qt::AlignHCenter);
    }
    auto* scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("Pages"));
    scrollArea->setWidget(pages);
    scrollArea->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scrollArea);
}

} // namespace zeltar::object
