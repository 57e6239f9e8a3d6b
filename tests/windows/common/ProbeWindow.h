#pragma once

#include "support/WindowTests.h"

namespace velmorix::test {

// A window that notes the keys its handler sees (it takes F1 only) and the
// refreshes its activation asks for; its edit box sits two widgets deep.
class ProbeWindow : public VelmorixWindow {
public:
    explicit ProbeWindow(AppContext& context, int* loads = nullptr) : VelmorixWindow(context) {
        auto* outer = new QWidget(this);
        auto* inner = new QWidget(outer);
        edit = new QLineEdit(inner);
        (new QVBoxLayout(inner))->addWidget(edit);
        (new QVBoxLayout(outer))->addWidget(inner);
        setCentralWidget(outer);
        edit->setFocus();
        if (loads)
            ++*loads;
    }
    bool handleKey(QKeyEvent* event) override {
        keys.push_back(event->key());
        return event->key() == Qt::Key_F1;
    }
    void onActivated() override {
        if (!returningFromModal())
            ++refreshes;
    }

    QLineEdit* edit = nullptr;
    std::vector<int> keys;
    int refreshes = 0;
};

} // namespace velmorix::test
