#pragma once
// The options dialog on a bare table surface, as the main window opens it, with the
// modal windows scripted and the sounds recorded.
#include "app/Qyv_FOptions.h"
#include "foundation/Language.h"
#include "foundation/TableSurface.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class OptionsDialogFixture : public ::testing::Test {
protected:
    // A new surface and dialog, filled for a 1920 x 1080 screen in the current language.
    void OpenDialog()
    {
        surface = new TTableSurface;
        Form1 = surface;
        FormOptions = new TFormOptions(surface);
        Options::FillOptionControls(1920, 1080);
        Language::ApplyLanguage();
    }
    void CloseDialog()
    {
        delete FormOptions;
        Form1 = nullptr;
        delete surface;
    }

    QTemporaryDir dir;
    testsupport::ScriptedPresenter presenter;
    RecordingSoundSink sound;
    TTableSurface* surface = nullptr;
};
