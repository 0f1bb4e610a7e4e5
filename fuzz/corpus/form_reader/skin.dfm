object Main: TForm
  object suiForm1: TsuiForm
    UIStyle = MacOS
    Menu = MainMenu1
    TitleBarButtons = <
      item
        ButtonType = suiControlBox
        ControlBoxMenu = Popup1
        PicNormal.Data = {07544269746D617046000000424D460000000000000036000000280000000200000002000000010018000000000010000000130B0000130B000000000000000000000000FF0000FF00000000FF0000FF0000}
      end
      item
        ButtonType = suiMax
        Transparent = True
      end>
    object Button1: TsuiButton
      Caption = 'OK'
      Glyph.Data = {46000000424D460000000000000036000000280000000200000002000000010018000000000010000000130B0000130B000000000000000000000000FF0000FF00000000FF0000FF0000}
      OnClick = Notify
    end
    object Edit1: TsuiEdit
      Text = 'x'
    end
  end
  object MainMenu1: TsuiMainMenu
    object File1: TMenuItem
      Caption = '&File'
    end
  end
  object Popup1: TsuiPopupMenu
  end
end
