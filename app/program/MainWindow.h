// The main window: the resolution boxes, the buttons wired each to its
// command, the timer of the resolution check, the options in its system menu,
// the icon in the notification area with its menu, and the automatic icon
// restore.
#pragma once

#include "AutomaticRestore.h"
#include "DesktopJobs.h"
#include "Form.h"
#include "FormOnDemand.h"
#include "GdiOwners.h"
#include "HelpWindow.h"
#include "IconCommands.h"
#include "MoreSoftwareWindow.h"
#include "NotificationIcon.h"
#include "ResolutionBoxes.h"
#include "ResolutionCommands.h"
#include "SessionNotifications.h"

namespace vevove {

class MainWindow final : public Form, private ResolutionBoxes {
  public:
    MainWindow(Application& application, SettingsStorage& storage, Display& display,
               UserRegistry& registry, DesktopWorker& worker);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int controlId, int code, HWND control) override;
    void AboutToShow() override;
    void PlaceForFirstShow() override;

  private:
    std::string WidthText() override;
    void SetWidthText(const std::string& text) override;
    std::string HeightText() override;
    void SetHeightText(const std::string& text) override;
    bool AutoChecked() override;
    void CheckAuto() override;

    void AddOptionsToSystemMenu();
    MenuFacts ReadMenuFacts();
    void ShowFactsInSystemMenu(HMENU menu);
    void ToggleOption(UINT item);
    bool RunSystemMenuItem(UINT item);
    void OnNotificationIcon(UINT event, WPARAM point);
    void RunNotificationMenuItem(unsigned item);
    std::u16string NotificationTipNow();
    void ShowNotificationTip();
    void OnDisplayChanged();
    void OnDesktopRebuilt();
    void PostIconCommand(std::function<bool(Desktop&)> command);
    void PostUserRestore(std::function<bool(Desktop&)> restore);
    void OnJobDone(const DesktopJobResult& result);
    void GiveUpOverdueJobs();
    void ShowCommandsBusy();
    void ContinueIconRestore();

    Font font_;
    HWND width_ = nullptr;
    HWND height_ = nullptr;
    HWND auto_ = nullptr;
    Resolution resolution_;
    bool settingsLoaded_ = false;
    ScreenSize displaySize_;
    std::string setup_;
    std::unique_ptr<SessionNotifications> sessionNotifications_;
    UserRegistry& registry_;
    std::unique_ptr<DesktopJobs> jobs_;
    std::unique_ptr<NotificationIcon> notificationIcon_;
    AutomaticRestore automaticRestore_;
    UINT taskbarCreated_ = 0;
    HWND focusBeforeBusy_ = nullptr;
    HMENU earlierLayouts_ = nullptr;
    // The earlier layouts' times as the last menu opened shows them, newest
    // first.
    std::vector<std::string> earlierTimes_;
    // The windows that "Help" and the glyph button show.
    FormOnDemand<HelpWindow> help_;
    FormOnDemand<MoreSoftwareWindow> moreSoftware_;
};

} // namespace vevove
