/*
 * hostif.h - the host interface of the export plug-ins.
 *
 * A plug-in never draws anything itself. Everything the user sees or answers
 * (message boxes, the plug-ins' dialogs, the Save dialog) and the one thing it
 * needs of the engine's screen (a font's average character width on the
 * engine's device context) goes through the callbacks below, which the host
 * (the report engine, or a test) installs into each plug-in it loads with the
 * exported function UXSetHostInterface.
 *
 * Without a host interface every message box and every dialog answers Cancel
 * (UXHOST_IDCANCEL), the Save dialog counts as cancelled, and font
 * measurement fails.
 *
 * Plain C, so that any host can include it. All handles (owner windows,
 * device contexts, fonts) are the engine's 32-bit values, passed through
 * untouched.
 *
 * Threading: the plug-ins call the host from the thread that called them.
 */
#ifndef UX_HOSTIF_H
#define UX_HOSTIF_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define UXHOST_EXPORT __declspec(dllexport)
#else
#define UXHOST_EXPORT __attribute__((visibility("default")))
#endif

/* Version of this interface; UXHostInterface.version must hold it. */
#define UXHOST_VERSION 1u

/* ------------------------------------------------------------------------- */
/* Message boxes                                                             */
/* ------------------------------------------------------------------------- */

/* Buttons (low four bits of the box type). */
#define UXHOST_MB_OK 0x0000u
#define UXHOST_MB_OKCANCEL 0x0001u
#define UXHOST_MB_YESNOCANCEL 0x0003u
#define UXHOST_MB_YESNO 0x0004u
/* Icons (next four bits). */
#define UXHOST_MB_ICONSTOP 0x0010u
#define UXHOST_MB_ICONQUESTION 0x0020u
#define UXHOST_MB_ICONEXCLAMATION 0x0030u
#define UXHOST_MB_ICONINFORMATION 0x0040u

/* Answers of boxes, and the ids of the standard dialog buttons. */
#define UXHOST_IDOK 1
#define UXHOST_IDCANCEL 2
#define UXHOST_IDYES 6
#define UXHOST_IDNO 7

/* ------------------------------------------------------------------------- */
/* Dialogs                                                                   */
/* ------------------------------------------------------------------------- */

/* Control kinds (also the kinds of the dialog resources, resources.h). */
#define UXHOST_CONTROL_LABEL 1    /* static text */
#define UXHOST_CONTROL_EDIT 2     /* single-line edit box */
#define UXHOST_CONTROL_CHECKBOX 3 /* automatic check box: a click toggles it */
#define UXHOST_CONTROL_RADIO 4    /* automatic radio button */
#define UXHOST_CONTROL_PUSHBUTTON 5
#define UXHOST_CONTROL_DEFPUSHBUTTON 6 /* the default push button */
#define UXHOST_CONTROL_GROUPBOX 7

/* One control of a presented dialog, in the dialog's own order. */
typedef struct UXHostControl {
    int32_t id;             /* control id of the dialog resource */
    int32_t kind;           /* UXHOST_CONTROL_* */
    int32_t x, y, cx, cy;   /* position and size in dialog units */
    int32_t checked;        /* in/out: check boxes and radio buttons, 0 or 1 */
    char *text;             /* in/out: the control's current text, NUL-terminated.
                               The host may rewrite the text of an edit box in place
                               (what the user typed), within text_capacity. */
    uint32_t text_capacity; /* size of the text buffer, terminating NUL included */
    uint32_t text_limit;    /* edit boxes: at most this many characters may be typed */
} UXHostControl;

/* A dialog as the plug-in presents it: its resource, caption, font and the
 * controls with the state the dialog procedure gave them when it opened.
 * The record and its buffers belong to the plug-in and are valid only during
 * the run_dialog call. */
typedef struct UXHostDialog {
    uint32_t size;    /* sizeof(UXHostDialog) */
    const char *name; /* resource name, e.g. "FmtOptDlg" */
    const char *caption;
    const char *font_name; /* e.g. "Helv" */
    int32_t point_size;    /* e.g. 8 */
    int32_t cx, cy;        /* size in dialog units */
    uint32_t control_count;
    UXHostControl *controls;
} UXHostDialog;

/* ------------------------------------------------------------------------- */
/* The Save dialog                                                           */
/* ------------------------------------------------------------------------- */

/* Option bits of the Save dialog (UXHostSaveFile.flags). */
#define UXHOST_OFN_HIDEREADONLY 0x00000004u  /* hide the read-only box */
#define UXHOST_OFN_NOCHANGEDIR 0x00000008u   /* keep the current directory */
#define UXHOST_OFN_PATHMUSTEXIST 0x00000800u /* the directory must exist */
#define UXHOST_OFN_SHAREAWARE 0x00004000u
#define UXHOST_OFN_NOREADONLYRETURN 0x00008000u /* refuse read-only files */
#define UXHOST_OFN_NOTESTFILECREATE 0x00010000u /* do not create a test file */

/* One Save dialog request, filled by the plug-in. Pointers belong to the
 * plug-in and are valid only during the save_file call. */
typedef struct UXHostSaveFile {
    uint32_t size;          /* sizeof(UXHostSaveFile) */
    void *owner;            /* owner window (engine handle) */
    const char *filter;     /* null, or pairs "description\0pattern\0" ended by an extra "\0" */
    uint32_t filter_index;  /* 1-based filter selected at opening; 0 with no filter */
    char *file;             /* in: the name shown in the name field; out: the chosen name */
    uint32_t file_capacity; /* size of `file`, terminating NUL included (260) */
    char *file_title;       /* null: no title buffer */
    uint32_t file_title_capacity;
    const char *initial_dir; /* null for the current directory */
    const char *title;       /* dialog title, or null */
    uint32_t flags;          /* UXHOST_OFN_* */
    const char *default_ext; /* appended to a name typed without extension, or null */
} UXHostSaveFile;

/* ------------------------------------------------------------------------- */
/* The interface                                                             */
/* ------------------------------------------------------------------------- */

typedef struct UXHostInterface {
    uint32_t size;    /* sizeof(UXHostInterface) */
    uint32_t version; /* UXHOST_VERSION */
    void *context;    /* first argument of every callback */

    /* A modal message box owned by `owner`: `type` = buttons | icon.
     * Returns the button pressed (UXHOST_IDOK, UXHOST_IDYES, ...); 0 means the
     * box could not be shown, which the plug-in treats as Cancel. */
    int32_t (*message_box)(void *context, void *owner, const char *text, const char *caption,
                           uint32_t type);

    /* Presents a dialog owned by `owner` and lets the user work with it until
     * a push button is pressed. Before returning, the host leaves the final
     * check states and edit texts in dialog->controls.
     * Returns the id of the pressed button (UXHOST_IDOK, UXHOST_IDCANCEL or
     * another push button's id); 0 or less means the dialog was closed
     * without a button (Escape, failure), which counts as Cancel. When the
     * dialog procedure does not end the dialog on that button the plug-in
     * presents it again with the new states. */
    int32_t (*run_dialog)(void *context, void *owner, UXHostDialog *dialog);

    /* The Save dialog. Returns non-zero when the user chose a name, which is
     * then in request->file (NUL-terminated within file_capacity); 0 when the
     * user cancelled or the dialog failed. */
    int32_t (*save_file)(void *context, UXHostSaveFile *request);

    /* The average character width of `font` selected into the engine's device
     * context `dc`, in the units of the report layout. Returns non-zero and
     * sets *width on success; 0 when the width cannot be measured. */
    int32_t (*average_char_width)(void *context, void *dc, void *font, int32_t *width);
} UXHostInterface;

/* Exported by every plug-in (fmtplain, fmtdelimited, fmtinterchange,
 * fmtcolumns, destfile): installs the host interface into that plug-in.
 * The plug-in copies the record; `context` must stay valid until the
 * interface is replaced or removed. Null removes it (boxes and dialogs then
 * answer Cancel).
 * When: at any time; usually right after loading the plug-in.
 * Returns: 0; 5 when the record's size or version is not the one above. */
UXHOST_EXPORT uint32_t UXSetHostInterface(const UXHostInterface *host);

typedef uint32_t (*UXSetHostInterfaceFn)(const UXHostInterface *host);

#ifdef __cplusplus
}
#endif

#endif /* UX_HOSTIF_H */
