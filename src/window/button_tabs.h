// The tabbed area: tabs drawn as buttons, wrapped into as many rows as their captions need, above
// the page stack.
#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zeltar::gui {

class ButtonTabs : public QWidget {
    Q_OBJECT
public:
    explicit ButtonTabs(QWidget* parent = nullptr);

    // A new page with its tab; returns the page to place controls on.
    QWidget* addPage(const QString& caption);
    int count() const { return static_cast<int>(buttons_.size()); }
    int currentIndex() const;
    // Shows page `index` without emitting tabClicked.
    void setCurrentIndex(int index);
    QPushButton* tabButton(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    QWidget* page(int index) const;
    // A red «!» in the right margin of tab `index` (its caption and place unchanged): the page
    // holds a warning.
    void setTabMarked(int index, bool marked);
    bool isTabMarked(int index) const;

signals:
    // The user clicked the tab of page `index`.
    void tabClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeTabs();
    void markCurrentTab();

    std::vector<QPushButton*> buttons_;
    std::vector<QLabel*> marks_;
    QStackedWidget* stack_;
};

} // namespace zeltar::gui
