object Main: TForm
  object suiForm1: TsuiForm
    TitleBarButtons = <
      item
        ControlBoxMenu = Popup1
      end>
    TitleBarButtons = <>
  end
  object Popup1: TPopupMenu
  end
end
