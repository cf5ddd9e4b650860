#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/numbering.h"
#include "channels/catalogue.h"
#include "channels/channel_rows.h"
#include "channels/loopback_output.h"
#include "toolkit/controls.h"
#include "toolkit/message_box.h"
#include "toolkit/windows.h"

// The five channel rows' controls in a main window of their own, on the
// offscreen platform, with a loopback sound output.
class RowsFixture : public testing::Test {
protected:
    static inline std::vector<MessageBoxRequest> messageBoxes;

    static void RecordMessageBox(const MessageBoxRequest& request) { messageBoxes.push_back(request); }

    void SetUp() override
    {
        messageBoxes.clear();
        SetMessageBoxHook(RecordMessageBox);
        ASSERT_TRUE(OpenWindow(MAIN_WINDOW, u"Hushmere", MAIN_CLIENT_WIDTH, MAIN_CLIENT_HEIGHT, WindowFrame::Main));
        for (int r = 1; r <= ROW_COUNT; ++r) {
            const int y = ROW_HEIGHT * (r - 1);
            ASSERT_TRUE(CreateDropDown(MAIN_WINDOW, RowSelector(r), {0, y, 230, 36}));
            ASSERT_TRUE(CreatePictureButton(MAIN_WINDOW, RowPlayButton(r), {230, y, 100, 36}, PICTURE_PLAY));
            ASSERT_TRUE(CreatePictureButton(MAIN_WINDOW, RowStopButton(r), {330, y, 100, 36}, PICTURE_STOP));
            ASSERT_TRUE(CreateTrackBar(MAIN_WINDOW, RowRate(r), {431, y, 80, 36}, RATE_MIN, RATE_MAX));
            ASSERT_TRUE(CreateTrackBar(MAIN_WINDOW, RowVolume(r), {511, y, 80, 36}, VOLUME_MIN, VOLUME_MAX));
            for (const std::u16string_view name : SoundCatalogue)
                AddListEntry(RowSelector(r), std::u16string(name));
            SetControlState(RowSelector(r), 0);
            SetControlState(RowRate(r), RATE_DEFAULT);
            SetControlState(RowVolume(r), VOLUME_DEFAULT);
        }
    }

    void TearDown() override
    {
        for (int r = 1; r <= ROW_COUNT; ++r)
            StopPressed(r);
        CloseWindow(MAIN_WINDOW);
        SetMessageBoxHook(nullptr);
    }

    // Chooses the entry with the given text in row r's selector, as the user
    // would, and runs the handler the loop would run.
    static void Choose(int r, std::u16string_view text)
    {
        for (int i = 0; i < CATALOGUE_SIZE; ++i) {
            if (SoundCatalogue[i] == text) {
                SetControlState(RowSelector(r), i);
                SelectorChanged(r);
                return;
            }
        }
        FAIL() << "no such entry";
    }

    static void MoveRate(int r, int position)
    {
        SetControlState(RowRate(r), position);
        RateMoved(r);
    }

    static void MoveVolume(int r, int position)
    {
        SetControlState(RowVolume(r), position);
        VolumeMoved(r);
    }
};
