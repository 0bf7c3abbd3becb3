// A computed value shown as plain text (no box), which screen readers read
// like the read-only entries: named by its label, its text as the value.
#pragma once

#include <QLabel>

namespace yq {

class ValueLabel : public QLabel {
    Q_OBJECT

public:
    explicit ValueLabel(QWidget* parent = nullptr);
};

}  // namespace yq
