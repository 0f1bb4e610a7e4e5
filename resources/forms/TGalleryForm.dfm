object GalleryForm: TGalleryForm
  Left = 200
  Top = 150
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'duanxin skin gallery - BlueGlass'
  ClientHeight = 210
  ClientWidth = 400
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Scaled = False
  object suiFileTheme1: TsuiFileTheme
  end
  object suiForm1: TsuiForm
    Left = 1
    Top = 0
    Width = 398
    Height = 209
    UIStyle = BlueGlass
    UIStyleAutoUpdateSub = True
    Caption = 'duanxin skin gallery - BlueGlass'
    FileTheme = suiFileTheme1
    object ButtonNormal: TsuiButton
      Left = 16
      Top = 72
      Width = 80
      Height = 26
      Caption = '&Normal'
      TabOrder = 0
      FileTheme = suiFileTheme1
      OnClick = ButtonClick
    end
    object ButtonDisabled: TsuiButton
      Left = 104
      Top = 72
      Width = 80
      Height = 26
      Caption = '&Disabled'
      Enabled = False
      TabOrder = 1
      FileTheme = suiFileTheme1
      OnClick = ButtonClick
    end
    object ButtonDefault: TsuiButton
      Left = 192
      Top = 72
      Width = 80
      Height = 26
      Caption = 'De&fault'
      Default = True
      TabOrder = 2
      FileTheme = suiFileTheme1
      OnClick = ButtonClick
    end
    object ButtonGlyph: TsuiButton
      Left = 280
      Top = 72
      Width = 96
      Height = 26
      Caption = '&Glyph'
      Glyph = 'MENU_CHECKED'
      Layout = blGlyphLeft
      TabOrder = 3
      FileTheme = suiFileTheme1
      OnClick = ButtonClick
    end
    object Edit1: TsuiEdit
      Left = 16
      Top = 116
      Width = 360
      Height = 21
      TabOrder = 4
      FileTheme = suiFileTheme1
      Text = 'A skinned edit'
    end
    object HintLabel: TLabel
      Left = 16
      Top = 152
      Width = 360
      Height = 13
      AutoSize = False
      Caption = 'Ctrl+1 to Ctrl+6 switch the look, Ctrl+O reads a theme file.'
      Transparent = True
    end
  end
  object MainMenu1: TsuiMainMenu
    FileTheme = suiFileTheme1
    object FileMenu: TMenuItem
      Caption = '&File'
      object ExitItem: TMenuItem
        Caption = 'E&xit'
        ShortCut = 16465
        OnClick = ExitClick
      end
    end
    object StyleMenu: TMenuItem
      Caption = '&Style'
      object MacOSItem: TMenuItem
        Tag = 1
        Caption = '&MacOS'
        ShortCut = 16433
        OnClick = StyleClick
      end
      object WinXPItem: TMenuItem
        Tag = 2
        Caption = '&WinXP'
        ShortCut = 16434
        OnClick = StyleClick
      end
      object DeepBlueItem: TMenuItem
        Tag = 3
        Caption = '&DeepBlue'
        ShortCut = 16435
        OnClick = StyleClick
      end
      object ProteinItem: TMenuItem
        Tag = 4
        Caption = '&Protein'
        ShortCut = 16436
        OnClick = StyleClick
      end
      object BlueGlassItem: TMenuItem
        Tag = 5
        Caption = '&BlueGlass'
        Checked = True
        ShortCut = 16437
        OnClick = StyleClick
      end
      object StyleLine: TMenuItem
        Caption = '-'
      end
      object ThemeFileItem: TMenuItem
        Caption = '&Theme file...'
        ShortCut = 16463
        OnClick = ThemeFileClick
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
      object AboutItem: TMenuItem
        Caption = '&About'
        ShortCut = 112
        OnClick = AboutClick
      end
      object UpdatesItem: TMenuItem
        Caption = 'Check for &updates'
        Enabled = False
      end
    end
  end
  object ThemeDialog: TOpenDialog
    Title = 'Theme file'
  end
end
