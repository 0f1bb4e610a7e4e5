object Main: TForm
  Caption = 'a''b'#20320 + 'c'
  Left = -12
  Top = $1F
  Color = clBtnFace
  BorderIcons = [biSystemMenu, biMinimize]
  Font.Style = []
  Font.Height = -13
  OnCreate = Notify
  OnClose = Closing
  object Panel1: TPanel
    Align = alTop
    Cursor = crHandPoint
    PopupMenu = Popup1
    object Label1: TLabel
      Caption = '&Name'
      FocusControl = Edit1
      OnClick = Notify
      OnMouseDown = Mouse
    end
    object Edit1: TEdit
      PasswordChar = #0
      OnKeyDown = Key
      OnKeyPress = Typed
    end
    object Memo1: TMemo
      Lines = (
        'one'
        'two')
      OnMouseMove = Moving
    end
  end
  object Popup1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'Open'
      ShortCut = 16463
      Checked = True
    end
  end
  object Timer1: TTimer
    Interval = 250
    Enabled = False
  end
end
