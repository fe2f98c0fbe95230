// Tests of the message box: the handler seam, the standard error and warning forms, and their logging.
#include "support/mymessagebox.h"

#include <gtest/gtest.h>

#include "common/message_recorder.h"

TEST(Mymessagebox, ShowErrorLogsThenShowsWithErrorTitleAndStyle)
{
    MessageRecorder recorder;
    ShowError("DRW003: errore nel salvataggio del file x.dis");
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0],
              (RecordedMessage{"DRW003: errore nel salvataggio del file x.dis", "ERRORE", 8208}));
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{"DRW003: errore nel salvataggio del file x.dis"});
    EXPECT_TRUE(recorder.EventLines().empty());
}

TEST(Mymessagebox, ShowWarningShowsWithWarningTitleAndLogsEvent)
{
    MessageRecorder recorder;
    ShowWarning("limite raggiunto");
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{"limite raggiunto", "AVVISO", 8240}}));
    EXPECT_EQ(recorder.EventLines(), std::vector<std::string>{"limite raggiunto"});
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

TEST(Mymessagebox, ReturnsTheHandlersAnswerInOrderThenTheDefaults)
{
    MessageRecorder recorder;
    recorder.Answer({MsgResultYes, MsgResultNo});
    EXPECT_EQ(MyMessageBox("a", "T", MsgStyleQuestion), MsgResultYes);
    EXPECT_EQ(MyMessageBox("b", "T", MsgStyleQuestion), MsgResultNo);
    EXPECT_EQ(MyMessageBox("c", "T", MsgStyleQuestion), MsgResultNo);
    EXPECT_EQ(MyMessageBox("d", "T", MsgStyleInfo), MsgResultOk);
    EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(Mymessagebox, RecorderRestoresThePreviousHandlerAndLogs)
{
    MessageRecorder outer;
    Log* outerErrorLog = ErrorLog.get();
    {
        MessageRecorder inner;
        ShowError("inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    EXPECT_EQ(ErrorLog.get(), outerErrorLog);
    ShowError("outer");
    EXPECT_EQ(outer.Texts(), std::vector<std::string>{"outer"});
    EXPECT_EQ(outer.ErrorLines(), std::vector<std::string>{"outer"});
}

TEST(Mymessagebox, MissingLogsAreSkipped)
{
    MessageRecorder recorder;
    ErrorLog.reset();
    EventLog.reset();
    ShowError("e");
    ShowWarning("w");
    EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"e", "w"}));
}
