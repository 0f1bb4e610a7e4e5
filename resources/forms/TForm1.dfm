object Form1: TForm1
  Left = 405
  Top = 172
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMaximize]
  Caption = '短信查询 V1.0'
  ClientHeight = 453
  ClientWidth = 500
  Color = clBtnFace
  Constraints.MinWidth = 270
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Font.Style = []
  Icon = 'MAINICON'
  OldCreateOrder = False
  Scaled = False
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object suiForm1: TPanel
    Left = 1
    Top = 0
    Width = 498
    Height = 452
    BevelOuter = bvNone
    Color = 15198183
    object Label2: TLabel
      Left = 16
      Top = 45
      Width = 57
      Height = 13
      AutoSize = False
      Caption = '短信搜索：'
      Font.Charset = ANSI_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
    end
    object Label1: TLabel
      Left = 96
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '春节'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label1Click
    end
    object Label3: TLabel
      Left = 144
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '元旦'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label3Click
    end
    object Label4: TLabel
      Left = 200
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '圣诞'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label4Click
    end
    object Label5: TLabel
      Left = 256
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '愚人'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label5Click
    end
    object Label6: TLabel
      Left = 304
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '母亲'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label6Click
    end
    object Label7: TLabel
      Left = 368
      Top = 72
      Width = 26
      Height = 13
      Cursor = crHandPoint
      Caption = '父亲'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label7Click
    end
    object Label8: TLabel
      Left = 432
      Top = 72
      Width = 47
      Height = 13
      Cursor = crHandPoint
      Caption = '更多...'
      Font.Charset = ANSI_CHARSET
      Font.Color = clGreen
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
      OnClick = Label8Click
    end
    object Label9: TLabel
      Left = 16
      Top = 71
      Width = 65
      Height = 13
      Caption = '常用分类：'
      Font.Charset = ANSI_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      Font.Style = []
    end
    object searchkeyword: TEdit
      Left = 78
      Top = 41
      Width = 235
      Height = 21
      TabOrder = 0
    end
    object Button4: TButton
      Left = 327
      Top = 39
      Width = 49
      Height = 25
      Caption = '搜索'
      TabOrder = 1
      OnClick = suitempButton4Click
    end
    object Button1: TButton
      Left = 383
      Top = 39
      Width = 51
      Height = 25
      Caption = '刷新'
      TabOrder = 2
      OnClick = suitempButton1Click
    end
    object DBGrid_duanxinlist: TDBGrid
      Left = 5
      Top = 174
      Width = 489
      Height = 215
      Ctl3D = False
      DataSource = DataSource1
      ReadOnly = True
      TabOrder = 3
      TitleFont.Charset = ANSI_CHARSET
      TitleFont.Color = clWindowText
      TitleFont.Height = -13
      TitleFont.Name = '宋体'
      TitleFont.Style = []
      OnCellClick = DBGrid_duanxinlistCellClick
      OnKeyDown = DBGrid_duanxinlistKeyDown
    end
    object TJ: TEdit
      Left = 6
      Top = 424
      Width = 489
      Height = 19
      Ctl3D = False
      TabOrder = 4
    end
    object DBMemo_Duanxin: TDBMemo
      Left = 5
      Top = 104
      Width = 489
      Height = 65
      Ctl3D = False
      DataSource = DataSource1
      ReadOnly = True
      ScrollBars = ssVertical
      TabOrder = 5
    end
    object suiButton_Copy: TButton
      Left = 438
      Top = 39
      Width = 51
      Height = 25
      Caption = '复制'
      TabOrder = 6
      OnClick = suiButton_CopyClick
    end
    object suiButton_About: TButton
      Left = 232
      Top = 389
      Width = 80
      Height = 27
      Caption = '在线版本'
      TabOrder = 7
      OnClick = suiButton_AboutClick
    end
    object suiButton_Close: TButton
      Left = 408
      Top = 389
      Width = 80
      Height = 27
      Caption = '退出'
      TabOrder = 8
      OnClick = suiButton_CloseClick
    end
    object suiButton1: TButton
      Left = 320
      Top = 389
      Width = 80
      Height = 27
      Caption = '软件升级'
      TabOrder = 9
      OnClick = suiButton1Click
    end
  end
  object ADOConnection1: TADOConnection
    LoginPrompt = False
    Provider = 'Microsoft.Jet.OLEDB.4.0'
  end
  object ADOQuery1: TADOQuery
    Connection = ADOConnection1
    CursorType = ctStatic
    SQL = (
      'Select * from data')
  end
  object DataSource1: TDataSource
    DataSet = ADOQuery1
  end
end
