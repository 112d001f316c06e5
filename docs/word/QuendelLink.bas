Attribute VB_Name = "QuendelLink"
' Hands the active Word document to Quendel for translation and takes the
' translation back. Import this module into Word (Visual Basic editor:
' File > Import File...), then put the three public macros on a toolbar.
'
' How it works: the macros write three keys of the [QDplus] section of WIN.INI
' (the document to translate and how to restart Word), then find Quendel's frame
' window by its class and title and post it one command. When Quendel is not
' running, it is started with a switch and the document on its command line.
'
'   QuendelToClipboard  command 995 / switch /s: translated in Quendel's windows,
'                       the translation put on the clipboard at the end
'                       (994 and /S copy the output window too, but a
'                       translation into QDPLUS.OUT never fills it)
'   QuendelToFile       command 996 / switch /T: translation in QDPLUS.OUT
'   QuendelAndReturn    command 998 / switch /W: Word is started again afterwards
Option Explicit

#If VBA7 Then
Private Declare PtrSafe Function FindWindowA Lib "user32" (ByVal className As String, ByVal title As String) As LongPtr
Private Declare PtrSafe Function PostMessageA Lib "user32" (ByVal hwnd As LongPtr, ByVal msg As Long, ByVal wParam As LongPtr, ByVal lParam As LongPtr) As Long
Private Declare PtrSafe Function WriteProfileStringA Lib "kernel32" (ByVal section As String, ByVal key As String, ByVal value As String) As Long
#Else
Private Declare Function FindWindowA Lib "user32" (ByVal className As String, ByVal title As String) As Long
Private Declare Function PostMessageA Lib "user32" (ByVal hwnd As Long, ByVal msg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long
Private Declare Function WriteProfileStringA Lib "kernel32" (ByVal section As String, ByVal key As String, ByVal value As String) As Long
#End If

Private Const WM_COMMAND As Long = &H111
' Where Quendel is installed, and which direction to use ("QDGerEng" for
' German into English with QDGE.EXE, "QDEngGer" with QDEG.EXE).
Private Const QUENDEL_PROGRAM As String = "C:\QD\QDGE.EXE"
Private Const QUENDEL_CLASS As String = "QDGerEng"

Public Sub QuendelToClipboard()
    HandOver 995, "/s"
End Sub

Public Sub QuendelToFile()
    HandOver 996, "/T"
End Sub

Public Sub QuendelAndReturn()
    HandOver 998, "/W"
End Sub

' Saves a plain-text copy of the document in Windows-1252, names it and Word in
' WIN.INI, and asks Quendel to translate it.
Private Sub HandOver(ByVal command As Long, ByVal switchWord As String)
    ' Quendel reads its command line word by word: keep the copy in its own
    ' folder, whose path has no blanks.
    Dim folder As String, textCopy As String
    folder = Left(QUENDEL_PROGRAM, InStrRev(QUENDEL_PROGRAM, "\"))
    textCopy = folder & "QDPLUSIN.TXT"
    ActiveDocument.Range.ExportFragment textCopy, wdFormatText   ' leaves the open document as it is
    WriteProfileStringA "QDplus", "QDplusDoc", textCopy
    WriteProfileStringA "QDplus", "WordDir", Application.Path
    WriteProfileStringA "QDplus", "WordDoc", """" & ActiveDocument.FullName & """"

#If VBA7 Then
    Dim frame As LongPtr
#Else
    Dim frame As Long
#End If
    frame = FindWindowA(QUENDEL_CLASS, "Quendel")
    If frame = 0 Then frame = FindWindowA(QUENDEL_CLASS, "Quendel plus")
    If frame <> 0 Then
        PostMessageA frame, WM_COMMAND, command, 0
    Else
        ' QDPLUS.OUT lands in Quendel's current folder: start it in its own.
        ChDrive Left(folder, 1)
        ChDir folder
        Shell """" & QUENDEL_PROGRAM & """ " & switchWord & " " & textCopy, vbNormalFocus
    End If
End Sub
