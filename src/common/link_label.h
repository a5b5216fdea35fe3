#pragma once

#include <QLabel>

// A label styled as a link: blue, underlined, a hand cursor; a left click on it is Clicked.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
