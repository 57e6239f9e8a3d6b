#pragma once

#include "RecordEditorWindow.h"

namespace velmorix {

// The played columns (VELMORIX.OKL), sorted and kept with Tag = KeepMark.
// Long files go to the played columns list window.
class FrmOKList final : public RecordEditorWindow {
    Q_OBJECT
public:
    explicit FrmOKList(AppContext& context, QWidget* parent = nullptr);
    ~FrmOKList() override;

    static constexpr int32_t RecordLimit = 32736;

    void onActivated() override;
    void addToSextets();

protected:
    bool mayAddRecord(int32_t count) override;
    int32_t tagForSave(int32_t) override { return KeepMark; }
    bool functionKey(int key) override;
};

} // namespace velmorix
