// Device parameters: the ControlTable and the event bindings of the
// configuration pages (one handler per row of like controls; the handler
// finds the channel from the control's own name).
#include "app/TFMain.h"

#include "app/Application.h"
#include "app/pages/AnalogPage.h"
#include "app/pages/CommPage.h"
#include "app/pages/DeviceConfigPage.h"
#include "app/pages/EncoderPage.h"
#include "app/pages/MathPage.h"
#include "app/pages/OutputsPage.h"
#include "app/pages/SettingsPage.h"
#include "app/pages/TriggerPage.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

/// Reports every mouse press on the watched edit boxes (their "click").
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void(QObject*)> onClick)
        : QObject(parent), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            onClick_(watched);
        return false;
    }

private:
    std::function<void(QObject*)> onClick_;
};

} // namespace

void TFMain::fillControlTable()
{
    const AnalogPage* a = TabSheet3->TabSheet5;
    const EncoderPage* e = TabSheet3->TabSheet6;
    const MathPage* m = TabSheet3->TabSheet7;
    const OutputsPage* o = TabSheet3->TabSheet8;
    const TriggerPage* w = TabSheet3->Wyzwalania;
    trv630::ControlTable& t = controlTable;
    t.adc_mode = {a->adc_mode_1, a->adc_mode_2, a->adc_mode_3, a->adc_mode_4};
    t.adc_filter1 = {a->adc_filter1_1, a->adc_filter1_2, a->adc_filter1_3, a->adc_filter1_4};
    t.adc_filter2 = {a->adc_filter2_1, a->adc_filter2_2, a->adc_filter2_3, a->adc_filter2_4};
    t.adc_coeff = {a->adc_coeff_1, a->adc_coeff_2, a->adc_coeff_3, a->adc_coeff_4};
    t.adc_offset = {a->adc_offset_1, a->adc_offset_2, a->adc_offset_3, a->adc_offset_4};
    t.adc_offset2 = {a->adc_offset_21, a->adc_offset_22, a->adc_offset_23, a->adc_offset_24};
    t.enc_mode = {e->enc_mode_1, e->enc_mode_2};
    t.enc_time = {e->enc_time_1, e->enc_time_2};
    t.enc_resolution = {e->enc_resolution_1, e->enc_resolution_2};
    t.enc_coeff = {e->enc_coeff_1, e->enc_coeff_2};
    t.enc_offset = {e->enc_offset_1, e->enc_offset_2};
    t.math_mode = {m->math_mode_1, m->math_mode_2};
    t.math_m_mode = {m->math_m_mode_1, m->math_m_mode_2};
    t.math_offset = {m->math_offset_1, m->math_offset_2};
    t.math_calib = {m->math_calib_1, m->math_calib_2};
    t.out_W = {o->out1_W, o->out2_W, o->out3_W, o->out4_W, o->out5_W, o->out6_W};
    t.out_B = {o->out1_B, o->out2_B, o->out3_B, o->out4_B, o->out5_B, o->out6_B};
    t.out_N = {o->out1_N, o->out2_N, o->out3_N, o->out4_N, o->out5_N, o->out6_N};
    t.out_T = {o->out1_T, o->out2_T, o->out3_T, o->out4_T, o->out5_T, o->out6_T};
    t.out_C = {o->out1_C, o->out2_C, o->out3_C, o->out4_C, o->out5_C, o->out6_C};
    t.out_M = {o->out1_M, o->out2_M, o->out3_M, o->out4_M, o->out5_M, o->out6_M};
    t.out_S = {o->out1_S, o->out2_S, o->out3_S, o->out4_S, o->out5_S, o->out6_S};
    t.trig_master_type = {w->trig_master_type_1, w->trig_master_type_2};
}

void TFMain::connectParameterControls()
{
    // The table is filled here as well as in FormCreate: the handlers must
    // find their controls even when start-up stops early.
    fillControlTable();
    const AnalogPage* a = TabSheet3->TabSheet5;
    const EncoderPage* e = TabSheet3->TabSheet6;
    const MathPage* m = TabSheet3->TabSheet7;
    const OutputsPage* o = TabSheet3->TabSheet8;
    const TriggerPage* w = TabSheet3->Wyzwalania;
    const CommPage* c = TabSheet3->TabSheet2;

    // A shared handler gets its button as Sender.
    using Shared = void (TFMain::*)(QObject*);
    auto bindShared = [this](std::initializer_list<QPushButton*> buttons, Shared handler) {
        for (QPushButton* b : buttons)
            connect(b, &QPushButton::clicked, this,
                    [this, b, handler] { trv630::runGuarded([&] { (this->*handler)(b); }); });
    };
    using Plain = void (TFMain::*)();
    auto bind = [this](QPushButton* b, Plain handler) {
        connect(b, &QPushButton::clicked, this, [this, handler] { trv630::runGuarded([&] { (this->*handler)(); }); });
    };

    bindShared({a->button_adcmode1, a->button_adcmode2, a->button_adcmode3, a->button_adcmode4},
               &TFMain::button_adcmode1Click);
    bindShared({a->button_filter11, a->button_filter12, a->button_filter13, a->button_filter14},
               &TFMain::button_filter11Click);
    bindShared({a->button_filter21, a->button_filter22, a->button_filter23, a->button_filter24},
               &TFMain::button_filter21Click);
    bindShared({a->button_adccoeff1, a->button_adccoeff2, a->button_adccoeff3, a->button_adccoeff4},
               &TFMain::button_adccoeffClick);
    bindShared({a->button_adcoffset1, a->button_adcoffset2, a->button_adcoffset3, a->button_adcoffset4},
               &TFMain::button_adcoffset1Click);
    bindShared({a->button_adcoffset21, a->button_adcoffset22, a->button_adcoffset23, a->button_adcoffset24},
               &TFMain::button_adcoffset21Click);
    bind(a->BitBtn15, &TFMain::BitBtn15Click);
    bind(a->BitBtn21, &TFMain::BitBtn21Click);
    bind(a->BitBtn27, &TFMain::BitBtn27Click);
    bind(a->BitBtn33, &TFMain::BitBtn33Click);

    bindShared({e->button_encmode1, e->button_encmode2}, &TFMain::button_encmode1Click);
    bindShared({e->button_time1, e->button_time2}, &TFMain::button_time1Click);
    bindShared({e->button_resolution1, e->button_resolution2}, &TFMain::button_resolution1Click);
    bindShared({e->button_enccoeff1, e->button_enccoeff2}, &TFMain::button_enccoeff1Click);
    bindShared({e->button_encoffset1, e->button_encoffset2}, &TFMain::button_encoffset1Click);
    bindShared({e->button_encclear1, e->button_encclear2}, &TFMain::button_encclear1Click);
    bind(e->button_1, &TFMain::button_1Click);
    bind(e->button_2, &TFMain::button_2Click);

    bindShared({m->button_mathmode1, m->button_mathmode2}, &TFMain::button_mathmode1Click);
    bindShared({m->button_mathmmode1, m->button_mathmmode2}, &TFMain::button_mathmmode1Click);
    bindShared({m->button_mathoffset1, m->button_mathoffset2}, &TFMain::button_mathoffset1Click);
    bindShared({m->button_calib1, m->button_calib2}, &TFMain::button_calib1Click);
    bind(m->BitBtn47, &TFMain::BitBtn47Click);
    bind(m->BitBtn41, &TFMain::BitBtn41Click);
    bind(m->BitBtn6, &TFMain::BitBtn6Click);
    bind(m->BitBtn8, &TFMain::BitBtn8Click);
    bind(m->BitBtn58, &TFMain::BitBtn58Click);
    bind(m->BitBtn57, &TFMain::BitBtn57Click);

    bind(w->BitBtn9, &TFMain::BitBtn9Click);
    bind(w->BitBtn10, &TFMain::BitBtn10Click);
    bind(w->BitBtn55, &TFMain::BitBtn55Click);
    bind(w->BitBtn56, &TFMain::BitBtn56Click);
    bind(w->BitBtn53, &TFMain::BitBtn53Click);
    bind(w->BitBtn54, &TFMain::BitBtn54Click);
    bind(w->BitBtn45, &TFMain::BitBtn45Click);
    bind(w->BitBtn46, &TFMain::BitBtn46Click);
    bindShared({w->button_trigmastetype_1, w->button_trigmastetype_2}, &TFMain::button_trigmastetype_1Click);
    bind(w->BitBtn12, &TFMain::BitBtn12Click);
    bind(w->BitBtn14, &TFMain::BitBtn14Click);
    connect(w, &TriggerPage::debugMemoClicked, this, [this] { trv630::runGuarded([this] { DebugMemoClick(); }); });

    bind(o->BitBtn43, &TFMain::BitBtn43Click);
    bind(o->BitBtn44, &TFMain::BitBtn44Click);
    // The user's choice in a source or combination list (not a reply's selection).
    for (int k = 0; k < trv630::outputRuleCount; ++k)
        for (QComboBox* list : {controlTable.out_W[k], controlTable.out_T[k]})
            connect(list, &QComboBox::activated, this,
                    [this, list] { trv630::runGuarded([&] { out1_WChange(list); }); });

    bind(c->BitBtn1, &TFMain::BitBtn1Click);
    bind(c->BitBtn2, &TFMain::BitBtn2Click);
    bind(c->BitBtn3, &TFMain::BitBtn3Click);
    bind(c->BitBtn4, &TFMain::BitBtn4Click);
    bind(c->Btn_IPSave, &TFMain::Btn_IPSaveClick);
    bind(c->Btn_IP_Read, &TFMain::Btn_IP_ReadClick);

    bind(TabSheet4->BitBtn7, &TFMain::BitBtn7Click);

    // Any change of an editable box, or a click on it, restores its standard
    // background (replies and clamps set the text, so they reset it too).
    const trv630::ControlTable& t = controlTable;
    std::vector<QLineEdit*> changeAndClick;
    for (const auto* row : {&t.adc_filter1, &t.adc_filter2, &t.adc_coeff, &t.adc_offset, &t.adc_offset2})
        changeAndClick.insert(changeAndClick.end(), row->begin(), row->end());
    for (const auto* row : {&t.enc_time, &t.enc_resolution, &t.enc_coeff, &t.enc_offset, &t.math_offset, &t.math_calib})
        changeAndClick.insert(changeAndClick.end(), row->begin(), row->end());
    for (const auto* row : {&t.out_N, &t.out_M})
        changeAndClick.insert(changeAndClick.end(), row->begin(), row->end());
    changeAndClick.insert(changeAndClick.end(), {w->trigger_time, w->trigger_filter, TabSheet4->edit_mod});
    auto* clicks = new ClickFilter(this, [this](QObject* box) { adc_filter1_1Change(box); });
    for (QLineEdit* box : changeAndClick) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { adc_filter1_1Change(box); });
        box->installEventFilter(clicks);
    }
    for (QLineEdit* box : {e->enc_unit_1, e->enc_unit_2})
        connect(box, &QLineEdit::textChanged, this, [this, box] { adc_filter1_1Change(box); });
}
