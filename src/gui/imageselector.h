#pragma once

#include <QWidget>

#include <functional>

class QLabel;

// One thumbnail of the cover strip: the picture inset by 10 on every side,
// and under it a small marker while it is the selected thumbnail. Clicking it
// or reaching it with Tab tells the strip.
class ImageSelector : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<void(ImageSelector *)>;

    ImageSelector(const QRect &frame, const QImage &image, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    bool selected() const { return m_selected; }
    void setSelected(bool selected);
    bool selectOnBecomingFirstResponder() const { return m_selectOnFocus; }
    void setSelectOnBecomingFirstResponder(bool on) { m_selectOnFocus = on; }
    void setActions(Action clicked, Action tabbed);
    QLabel *imageView() const { return m_imageView; }

    // Marks itself selected, then runs ACTION with itself.
    void select(const Action &action);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showImage();

    QLabel *m_imageView;
    QImage m_image;
    Action m_clicked;
    Action m_tabbed;
    int m_tag = 0;
    bool m_selected = false;
    bool m_selectOnFocus = true;
};
