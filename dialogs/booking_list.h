#pragma once

// Dialogs that show bookings: the booking list (edit, delete, copy, cut),
// the conflicts of a booking about to be saved, and the question before a
// booking is deleted. The two lists share CBookingListCtrl.

#include <cstdint>
#include <string>
#include <vector>

#include "plan_data.h"
#include "ui/dialog_base.h"

class QPushButton;
class QTreeWidget;

// A booking's start or end as the lists show it: the short date and the time.
std::string BookingDateTimeText(std::int32_t day, std::int32_t minutes);

// The list's sort keys (columns of CompareBookings).
inline constexpr std::uint8_t kSortByResource = 0;
inline constexpr std::uint8_t kSortByTask = 1;
inline constexpr std::uint8_t kSortByStart = 2;
inline constexpr std::uint8_t kSortByEnd = 4;

// The key of a shown column: the resource and task columns swap places
// when the task comes first.
std::uint8_t SortKeyOfColumn(int column, bool taskFirst);

// The list part of both list dialogs: a report list of bookings, sorted by
// one key in one direction.
class CBookingListCtrl {
public:
    explicit CBookingListCtrl(bool taskFirst);
    virtual ~CBookingListCtrl() = default;

    // The bookings shown; pointers into the document.
    std::vector<CBooking*> bookings;

    // Sets up the list's columns, then fills it with nothing to select.
    void InitColumns(QTreeWidget* list);
    // Sorts the bookings and shows them; selects the given booking when it
    // is listed, else the first row.
    void Fill(CBooking* select);
    // The same key again turns the order round; another key sorts ascending.
    void SortByColumn(int column);
    virtual void OnSelectionChanged() {}

    CBooking* Selected() const;
    std::uint8_t sortKey() const { return sortKey_; }
    bool ascending() const { return ascending_; }

protected:
    // Column widths as parts of the list's width, never narrower than their texts.
    void FitColumns();

    QTreeWidget* list_ = nullptr;

private:
    bool taskFirst_;
    std::uint8_t sortKey_;
    bool ascending_ = true;
};

// What the booking list runs; each is a booking command of the host.
class IBookingListCommands {
public:
    virtual ~IBookingListCommands() = default;
    // True when the booking was changed.
    virtual bool EditBooking(CBooking* booking) = 0;
    // True when the bookings were deleted.
    virtual bool DeleteBookings(const std::vector<CBooking*>& bookings) = 0;
    virtual bool CopyBookingToClipboard(CBooking* booking) = 0;
    virtual bool CutBooking(CBooking* booking) = 0;
};

class CBookingListDlg : public ui::DialogBase, public CBookingListCtrl {
    Q_OBJECT
public:
    // readOnly: the document is write-protected; only viewing is offered.
    CBookingListDlg(bool readOnly, bool taskFirst, IBookingListCommands* commands, QWidget* parent = nullptr);

    void OnSelectionChanged() override;

protected:
    void OnInitDialog() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void OnEdit();
    void OnDelete();
    void OnDeleteAll();
    void OnCopy();
    void OnCut();

    bool readOnly_;
    IBookingListCommands* commands_;
};

// The bookings that overlap a booking about to be saved; OK saves anyway.
class CBookingConflictsDlg : public ui::DialogBase, public CBookingListCtrl {
    Q_OBJECT
public:
    explicit CBookingConflictsDlg(QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
    void resizeEvent(QResizeEvent* e) override;
};

// Shows one booking before it is deleted; the caller fills the texts.
class CBookingDeleteDlg : public ui::DialogBase {
    Q_OBJECT
public:
    explicit CBookingDeleteDlg(QWidget* parent = nullptr);

    std::string resourceName;
    std::string taskName;
    std::string startText;
    std::string endText;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
};
