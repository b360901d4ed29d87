#pragma once

#include <QWidget>

// The wide view inside the cover strip that holds the thumbnails, in index
// order; the focus it receives goes on to its first thumbnail.
class CoverFlowDocView : public QWidget
{
    Q_OBJECT
public:
    explicit CoverFlowDocView(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
