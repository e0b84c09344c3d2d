// Recovery copies: what the window writes and when, and which left copies are offered at start.
#include "app/recovery_copy.h"
#include "fields/field_table.h"
#include "form_test_support.h"
#include "projectfile/project_file.h"

#include <set>

namespace zeltar::test {
namespace {

using recovery::Answer;
using recovery::Record;
using recovery::WindowCopy;

constexpr std::int64_t kStart = 1'765'000'000;

std::optional<Record> RecordOf(const WindowCopy& copy)
{
    return recovery::ParseRecord(FileBytes(copy.base() + ".info"));
}

std::set<std::string> Names(const TempDir& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

// A window that changed its project and then died without a clean exit (its lock is released as
// the system releases it on a crash).
void LeaveUnsavedCopy(const std::string& folder, std::int64_t pid, std::string_view room, const std::string& save = {})
{
    FormModel form{std::string(kToday)};
    WindowCopy copy(folder, pid);
    ASSERT_TRUE(copy.active());
    if (!save.empty()) {
        ASSERT_TRUE(form.saveProject({true, save}));
    }
    Enter(form, Control::RoomLength, room);
    ASSERT_TRUE(copy.poll(form, kStart + pid));
}

TEST(RecoveryCopy, WritesOnlyChangesAndCoalescesThem)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    WindowCopy copy(dir.file("recovery"), 4711);
    ASSERT_TRUE(copy.active());
    EXPECT_FALSE(copy.poll(form, kStart)); // unchanged since start: nothing to recover
    EXPECT_EQ(Names(dir), std::set<std::string>{"recovery"});

    Enter(form, Control::RoomLength, "12");
    Enter(form, Control::RoomWidth, "7");
    EXPECT_TRUE(copy.poll(form, kStart + 1)); // both changes in one write
    EXPECT_FALSE(copy.poll(form, kStart + 2));
    std::optional<Record> record = RecordOf(copy);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(*record, (Record{"", kStart + 1, false, 4711}));
    FormModel check{std::string(kToday)};
    ASSERT_TRUE(check.loadProject({true, copy.base() + ".zlt"}));
    EXPECT_EQ(Text(check, Control::RoomLength), "  12");
    EXPECT_EQ(Text(check, Control::RoomWidth), "  7");

    // A save marks the copy clean, with the project's file.
    ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
    EXPECT_TRUE(copy.poll(form, kStart + 3));
    EXPECT_EQ(*RecordOf(copy), (Record{dir.file("p.zlt"), kStart + 3, true, 4711}));

    copy.finish();
    EXPECT_EQ(Names(dir), (std::set<std::string>{"p.zlt", "recovery"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("recovery")));
}

// Guards a recovery write that fails on a text the project file cannot hold (the copy would
// silently stop following the project).
TEST(RecoveryCopy, TextsWindows1251CannotHoldAreWrittenAsQuestionMarks)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    WindowCopy copy(dir.file("recovery"), 1);
    Type(form, Control::ClientName, "Холод ");
    form.typeCharacter(U'\U0001F9CA');
    ASSERT_TRUE(copy.poll(form, kStart));
    FormModel check{std::string(kToday)};
    ASSERT_TRUE(check.loadProject({true, copy.base() + ".zlt"}));
    EXPECT_EQ(Text(check, Control::ClientName), "Холод ?");
}

// Passing through a field that shows 0 (empty while it is edited) changes nothing: no copy is
// written, so the next start has nothing to offer.
TEST(RecoveryCopy, PassingThroughAZeroFieldIsNoChange)
{
    TempDir dir;
    FormModel form{std::string(kToday)};
    WindowCopy copy(dir.file("recovery"), 12);
    ASSERT_TRUE(form.setFocus(Control::RoomWidth, FocusRoute::Keyboard));
    ASSERT_EQ(Text(form, Control::RoomWidth), "");
    EXPECT_FALSE(form.modified());
    EXPECT_FALSE(copy.poll(form, kStart));
    form.typeCharacter(U'4');
    EXPECT_TRUE(form.modified()); // typed, not yet left: a change all the same
    EXPECT_TRUE(copy.poll(form, kStart));
}

// Every numeric field, focused by Tab and edited in the ways that leave a text no file line takes
// ("", "-", ","): the copy holds what leaving the field stores, or the value from before the edit
// when leaving is refused, and always loads.
TEST(RecoveryCopy, AFieldBeingEditedIsStoredAsLeavingItWouldStoreIt)
{
    int edited = 0;
    for (const fields::NumericField& field : fields::NumericFields()) {
        const std::string name(Name(field.control));
        for (std::string_view typed : {"", "-", ",", "-,", "7"}) {
            FormModel form{std::string(kToday)};
            const ControlState& state = form.control(field.control);
            if (!state.visible || !state.enabled || state.readOnly)
                break;
            const std::string before = state.text;
            ASSERT_TRUE(form.setFocus(field.control, FocusRoute::Keyboard)) << name;
            form.pressBackspace(); // the whole text is selected
            for (const char32_t c : fields::Characters(typed))
                form.typeCharacter(c);
            const std::string copy = form.recoveryBytes();
            ++edited;
            FormModel check{std::string(kToday)};
            ASSERT_TRUE(check.restoreProject(copy, "")) << name << " «" << typed << "»: " << check.takeErrors().front();
            form.takeErrors();
            if (form.setFocus(field.control == Control::City ? Control::RoomLength : Control::City)) {
                EXPECT_EQ(copy, form.recoveryBytes()) << name << " «" << typed << "»";
            } else {
                EXPECT_EQ(Text(check, field.control), before) << name << " «" << typed << "»";
            }
        }
    }
    EXPECT_GT(edited, 100);
}

TEST(RecoveryRecord, RoundTripsAnyFileNameAndRefusesDamage)
{
    const Record record{"/home/u/склад\nдва.zlt", 1765000000, false, 42};
    EXPECT_EQ(recovery::ParseRecord(recovery::FormatRecord(record)), record);
    for (const char* damaged : {"", "changed=1\nclean=2\npid=1\nproject=", "changed=x\nclean=0\npid=1\nproject=",
                                "changed=1\nclean=0\npid=1\n"})
        EXPECT_EQ(recovery::ParseRecord(damaged), std::nullopt) << damaged;
    EXPECT_EQ(recovery::RecoveryFolder("/state", "/home/u"), "/state/zeltar/recovery");
    EXPECT_EQ(recovery::RecoveryFolder("", "/home/u"), "/home/u/.local/state/zeltar/recovery");
    EXPECT_EQ(recovery::RecoveryFolder("relative", "/home/u"), "/home/u/.local/state/zeltar/recovery");
    EXPECT_EQ(recovery::RecoveryFolder(nullptr, nullptr), "");
}

TEST(LeftCopies, RestorePutsTheProjectInAsModifiedWithItsFile)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    LeaveUnsavedCopy(folder, 7, "15", dir.file("склад.zlt"));
    FormModel form{std::string(kToday)};
    std::vector<std::string> questions;
    EXPECT_TRUE(recovery::SettleLeftCopies(folder, form, [&](const std::string& question) {
                    questions.push_back(question);
                    return Answer::Restore;
                }).restored);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("«" + dir.file("склад.zlt") + "»"), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find("Восстановить несохранённый проект?"), std::string::npos);
    EXPECT_EQ(Text(form, Control::RoomLength), "  15");
    EXPECT_TRUE(form.modified());
    EXPECT_EQ(form.dialogFileName(FileDialog::Save), dir.file("склад.zlt"));
    EXPECT_EQ(Text(form, Control::ProjectName), dir.file("склад.zlt"));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(LeftCopies, DiscardRemovesKeepLeavesAndCleanCopiesGoSilently)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    LeaveUnsavedCopy(folder, 1, "11");
    LeaveUnsavedCopy(folder, 2, "12");
    {
        FormModel form{std::string(kToday)};
        WindowCopy copy(folder, 3);
        Enter(form, Control::RoomLength, "13");
        ASSERT_TRUE(copy.poll(form, kStart));
        ASSERT_TRUE(form.saveProject({true, dir.file("p.zlt")}));
        ASSERT_TRUE(copy.poll(form, kStart)); // clean, left behind
    }
    EXPECT_EQ(Names(dir).size(), 2u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 9);

    FormModel form{std::string(kToday)};
    const std::string before = Text(form, Control::RoomLength);
    std::vector<Answer> answers{Answer::Keep, Answer::Discard}; // newest change (window 2) first
    std::vector<std::string> asked;
    EXPECT_FALSE(recovery::SettleLeftCopies(folder, form, [&](const std::string& question) {
                     asked.push_back(question);
                     const Answer answer = answers.front();
                     answers.erase(answers.begin());
                     return answer;
                 }).restored);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0].find("Новый проект, ещё не сохранённый в файл"), std::string::npos) << asked[0];
    EXPECT_EQ(Text(form, Control::RoomLength), before);
    EXPECT_FALSE(form.modified());
    // Only the kept copy of window 2 is offered again.
    FormModel next{std::string(kToday)};
    EXPECT_TRUE(recovery::SettleLeftCopies(folder, next, [](const std::string&) { return Answer::Restore; }).restored);
    EXPECT_EQ(Text(next, Control::RoomLength), "  12");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// A copy no start can read (as the copies with an empty field being edited were) is renamed out of
// the way once and reported with its new name; it is never offered nor reported again.
TEST(LeftCopies, ACopyThatCannotBeReadIsKeptAsideOnceAndReported)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    LeaveUnsavedCopy(folder, 31, "16", dir.file("склад.zlt"));
    const std::string base = folder + "/" + std::filesystem::directory_iterator(folder)->path().stem().string();
    std::string bytes = FileBytes(base + ".zlt");
    const std::size_t line23 = [&] {
        std::size_t at = 0;
        for (int line = 1; line < 23; ++line)
            at = bytes.find("\r\n", at) + 2;
        return at;
    }();
    bytes.erase(line23, bytes.find("\r\n", line23) - line23); // room width: ""
    std::ofstream(base + ".zlt", std::ios::binary | std::ios::trunc) << bytes;

    FormModel form{std::string(kToday)};
    const std::string untouched = form.recoveryBytes();
    auto neverAsked = [](const std::string&) {
        ADD_FAILURE() << "a copy that cannot be read was offered";
        return Answer::Restore;
    };
    const recovery::Settled settled = recovery::SettleLeftCopies(folder, form, neverAsked);
    EXPECT_FALSE(settled.restored);
    EXPECT_EQ(form.recoveryBytes(), untouched);
    ASSERT_EQ(settled.notices.size(), 1u);
    const std::string& notice = settled.notices[0];
    EXPECT_NE(notice.find("Строка 23"), std::string::npos) << notice;
    EXPECT_NE(notice.find("«" + dir.file("склад.zlt") + "»"), std::string::npos) << notice;
    const std::string said = "Копия не восстановлена, сохранена как «";
    ASSERT_NE(notice.find(said), std::string::npos) << notice;
    const std::size_t keptAt = notice.find(said) + said.size();
    const std::string kept = notice.substr(keptAt, notice.find("»", keptAt) - keptAt);
    EXPECT_TRUE(kept.starts_with(folder + "/невосстановленный-проект-")) << kept;
    EXPECT_TRUE(kept.ends_with("-31.zlt")) << kept;
    EXPECT_EQ(FileBytes(kept), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "only the copy kept aside stays";

    EXPECT_TRUE(recovery::SettleLeftCopies(folder, form, neverAsked).notices.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

// Several windows at once: a starting window never offers nor removes the files of one that runs.
TEST(LeftCopies, CopiesOfRunningWindowsAreNeverTouched)
{
    TempDir dir;
    const std::string folder = dir.file("recovery");
    FormModel running{std::string(kToday)};
    WindowCopy copy(folder, 5);
    Enter(running, Control::RoomLength, "14");
    ASSERT_TRUE(copy.poll(running, kStart));
    // Damaged leftovers of dead windows go without a question.
    std::ofstream(folder + "/window-9-x.info") << "garbage";
    std::ofstream(folder + "/window-8-y.zlt") << "no record";

    FormModel starting{std::string(kToday)};
    WindowCopy second(folder, 6);
    EXPECT_FALSE(recovery::SettleLeftCopies(folder, starting, [](const std::string&) {
                     ADD_FAILURE() << "a running window's copy was offered";
                     return Answer::Discard;
                 }).restored);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().string());
    EXPECT_EQ(names, (std::set<std::string>{copy.base() + ".info", copy.base() + ".lock", copy.base() + ".zlt",
                                            second.base() + ".lock"}));
}

} // namespace
} // namespace zeltar::test
