#include "window/button_tabs.h"

#include "window/window_style.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace zeltar::gui {

namespace {

constexpr int kTabHeight = 22;              // px
constexpr int kTabGap = 2;                  // px between tabs and between rows
constexpr int kTabPadding = 20;             // px beside the caption
constexpr int kMarkWidth = kTabPadding / 2; // px: the mark fills the margin right of the caption
const QColor kMarkRed{0xE0, 0, 0};
constexpr int kMarkPixelSize = 15; // px, larger than the caption

} // namespace

ButtonTabs::ButtonTabs(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this))
{
    stack_->setFrameShape(QFrame::StyledPanel);
}

QWidget* ButtonTabs::addPage(const QString& caption)
{
    const int index = count();
    auto* button = new QPushButton(caption, this);
    // Clicking a tab moves the keyboard focus to it, away from the page being hidden. The click
    // only asks for the page: the window shows whatever page the form model then shows.
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QPushButton::clicked, this, [this, index] { emit tabClicked(index); });
    buttons_.push_back(button);
    auto* mark = new QLabel(QStringLiteral("!"), button);
    mark->setObjectName(QStringLiteral("TabWarningMark%1").arg(index + 1));
    mark->setAlignment(Qt::AlignCenter);
    // A style sheet: the window's button styling would otherwise give the label its text colour.
    mark->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold; font-size: %2px;").arg(kMarkRed.name()).arg(kMarkPixelSize));
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setToolTip(QStringLiteral("На этой странице есть предупреждение"));
    mark->hide();
    marks_.push_back(mark);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
    stack_->addWidget(page);
    arrangeTabs();
    markCurrentTab();
    return page;
}

int ButtonTabs::currentIndex() const
{
    return stack_->currentIndex();
}

void ButtonTabs::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    stack_->setCurrentIndex(index);
    markCurrentTab();
}

// The shown page's tab stands out in the bars' dark blue; the others keep the window's colours.
void ButtonTabs::markCurrentTab()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool current = static_cast<int>(i) == currentIndex();
        QPalette palette = this->palette();
        if (current) {
            palette.setColor(QPalette::Button, kDarkBlue);
            palette.setColor(QPalette::ButtonText, Qt::white);
        }
        buttons_[i]->setPalette(palette);
    }
}

void ButtonTabs::setTabMarked(int index, bool marked)
{
    if (index < 0 || index >= count() || isTabMarked(index) == marked)
        return;
    QLabel* mark = marks_[static_cast<std::size_t>(index)];
    mark->setVisible(marked);
    // The reason stands on the fields; the button says where to look.
    buttons_[static_cast<std::size_t>(index)]->setToolTip(
        marked ? QStringLiteral("На этой странице есть предупреждение") : QString());
}

bool ButtonTabs::isTabMarked(int index) const
{
    return index >= 0 && index < count() && !marks_[static_cast<std::size_t>(index)]->isHidden();
}

QWidget* ButtonTabs::page(int index) const
{
    return stack_->widget(index);
}

void ButtonTabs::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrangeTabs();
}

// Tabs flow left to right and wrap into a new row when the next one does not fit; the page stack
// takes the rest of the area.
void ButtonTabs::arrangeTabs()
{
    int x = 0;
    int y = 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QPushButton* button = buttons_[i];
        const int width = button->fontMetrics().horizontalAdvance(button->text()) + kTabPadding;
        if (x > 0 && x + width > this->width()) {
            x = 0;
            y += kTabHeight + kTabGap;
        }
        button->setGeometry(x, y, width, kTabHeight);
        marks_[i]->setGeometry(width - kMarkWidth - 1, 0, kMarkWidth, kTabHeight);
        x += width + kTabGap;
    }
    const int stackTop = buttons_.empty() ? 0 : y + kTabHeight + kTabGap;
    stack_->setGeometry(0, stackTop, width(), height() - stackTop);
}

} // namespace zeltar::gui
