#pragma once

#include <QRect>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QStackedWidget;

namespace quillora {

// A tab control that draws its own tabs, on as many rows as its width needs: each tab
// filled with the control's brush, its caption centred, in bold red when selected and in
// regular black otherwise, the accelerator letter underlined. Alt and that letter select
// the tab. The row of the selected tab always moves next to the pages. With the keyboard
// on it, the arrows go from tab to tab; screen readers read it as a list of tabs.
class TJppPageControl : public QWidget {
    Q_OBJECT
public:
    explicit TJppPageControl(QWidget* parent = nullptr);

    // Adds a page under a caption that may hold an "&" accelerator; returns its index.
    int addTab(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(captions_.size()); }
    // The caption as it reads, without its "&".
    QString tabText(int index) const;
    QWidget* widget(int index) const;
    int currentIndex() const;
    void setCurrentIndex(int index);

    // Where tab `index` is drawn; its row depends on the selected tab.
    QRect tabRect(int index) const;
    int rowCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    int tabHeight() const;
    int tabWidth(int index) const;
    // Lays the tabs out for the present width and selection when they changed; a hidden
    // control gets no resize events, yet its tabs may be asked for.
    void layoutTabs() const;

    QStringList captions_;
    QStackedWidget* pages_;
    mutable QVector<QRect> rects_;
    mutable int rows_ = 1;
    mutable QSize laidOutFor_;
    mutable int laidOutCurrent_ = -2;
};

} // namespace quillora
